#!/usr/bin/env python3
"""Writes quartiere.ptv: the sample network of a small town district in the Portavia file layout.

A looped grid of 30 junctions fed by two tanks through transmission mains. Run it again after
changing the layout:  python3 make_sample_ptv.py  (writes beside this script).
"""
import math
import os
import struct

COLUMNS, ROWS = 6, 5
SPACING = 220.0  # metres between grid junctions


def note(text):
    """16 bytes of UTF-16LE, zero-padded (at most 7 characters keep a terminator)."""
    raw = text[:7].encode("utf-16-le")
    return raw + b"\0" * (16 - len(raw))


def junctions():
    """(demand m3/s, elevation m, note) of each grid junction, numbered row by row from 1."""
    nodes = []
    for r in range(ROWS):
        for c in range(COLUMNS):
            elevation = 42.0 + 6.0 * math.sin(0.9 * c) + 3.5 * r
            demand = 0.0008 + 0.00045 * ((3 * c + 5 * r) % 7)
            label = "Via %d" % (r * COLUMNS + c + 1) if (r + c) % 4 == 0 else ""
            nodes.append((demand, round(elevation, 2), label))
    return nodes


def grid_pipes():
    """(start, end, length, roughness, csi, diameter, note) of the grid's mains."""
    pipes = []
    for r in range(ROWS):
        for c in range(COLUMNS):
            n = r * COLUMNS + c + 1
            trunk = r in (0, 2) or c in (0, 3)
            diameter = 0.200 if trunk else 0.125
            roughness = 0.0000015 if c % 2 == 0 else 0.00026
            if c + 1 < COLUMNS:
                pipes.append((n, n + 1, SPACING + 15.0 * (r % 3), roughness, 1.0, diameter, ""))
            if r + 1 < ROWS:
                pipes.append((n, n + COLUMNS, SPACING - 20.0 + 10.0 * c, roughness, 0.5, diameter, ""))
    return pipes


def main():
    nodes = junctions()
    pipes = grid_pipes()
    tank_west = len(nodes) + 1
    tank_east = len(nodes) + 2
    nodes.append((0.0, 88.0, "Serb. O"))
    nodes.append((0.0, 84.0, "Serb. E"))
    pipes.append((tank_west, 1, 650.0, 0.00026, 2.5, 0.300, "Adduz."))
    pipes.append((tank_east, COLUMNS * 3, 820.0, 0.00026, 2.5, 0.250, "Adduz."))
    tanks = [(tank_west, 96.0), (tank_east, 93.5)]

    header = struct.pack("<hh80s", 0, 0, b"")
    header += struct.pack("<dd", 1.004e-6, 1.0)
    header += struct.pack("<4d", 0.0, 0.0, 0.0, 0.0)
    header += struct.pack("<dhdd", 1e-7, 100, 0.001, 1e-5)
    header += struct.pack("<hhh", len(nodes), len(pipes), len(tanks))
    assert len(header) == 164

    body = b"".join(struct.pack("<4d", 0.0, 0.0, q, z) + note(t) for q, z, t in nodes)
    body += b"".join(struct.pack("<hh4d", s, e, l, eps, csi, d) + note(t) for s, e, l, eps, csi, d, t in pipes)
    body += b"".join(struct.pack("<hd", n, level) for n, level in tanks)

    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "quartiere.ptv")
    with open(path, "wb") as out:
        out.write(header + body)
    print("%s: %d nodes, %d branches, %d tanks" % (path, len(nodes), len(pipes), len(tanks)))


if __name__ == "__main__":
    main()
