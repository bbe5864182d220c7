"""Reads a DXF file with ezdxf, an independent DXF library, audits it and prints what it found.

Usage: ezdxf_check.py FILE.dxf [HANDLE...]
Prints the audit's errors (one line each), then for each handle given the DXF type of the entity
or object ezdxf holds under it, then the layers with their colour and the applications of their
extended data. The exit status is 1 when the audit found errors.
"""
import sys

import ezdxf


def main() -> int:
    doc = ezdxf.readfile(sys.argv[1])
    auditor = doc.audit()
    for error in auditor.errors:
        print(f"error: {error.message}")
    for handle in sys.argv[2:]:
        entity = doc.entitydb.get(handle)
        print(f"{handle}: {entity.dxftype() if entity is not None else 'missing'}")
    for layer in doc.layers:
        apps = sorted(layer.xdata.data.keys()) if layer.xdata else []
        print(f"layer {layer.dxf.name} colour {layer.dxf.color} xdata {' '.join(apps)}")
    return 1 if auditor.has_errors else 0


if __name__ == "__main__":
    sys.exit(main())
