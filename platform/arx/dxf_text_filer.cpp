#include "dxf_text_filer.h"

#include <cstdio>

#include "db_entity_dxf.h"
#include "dbmain.h"
#include "dwg_file_filer.h"
#include "dxf_text.h"
#include "resbuf_kind.h"

namespace rvnhost {

namespace {

std::string hexOf(const ads_binary& chunk) {
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (short i = 0; i < chunk.clen; ++i) {
        auto byte = static_cast<unsigned char>(chunk.buf[i]);
        hex += digits[byte >> 4];
        hex += digits[byte & 0xF];
    }
    return hex;
}

}  // namespace

Acad::ErrorStatus DxfTextFiler::readItem(resbuf*) { return Acad::eNotApplicable; }

void DxfTextFiler::startObject(const std::wstring& dxfName) {
    objectName_ = dxfName;
    writeRaw(AcDb::kDxfStart, encodeDxfText(dxfName));
}

void DxfTextFiler::writeRaw(int code, const std::string& value) {
    char number[16];
    std::snprintf(number, sizeof number, "%3d\n", code);
    text_ += number;
    text_ += value;
    text_ += '\n';
}

void DxfTextFiler::writePoint(int code, const double* xyz) {
    writeRaw(code, formatDxfReal(xyz[0]));
    writeRaw(code + 10, formatDxfReal(xyz[1]));
    if (!isPlanarPointGroup(objectName_.c_str(), code)) writeRaw(code + 20, formatDxfReal(xyz[2]));
}

Acad::ErrorStatus DxfTextFiler::writeItem(const resbuf& item) {
    if (filerStatus() != Acad::eOk) return filerStatus();
    const ads_u_val& value = item.resval;
    switch (resbufKind(item.restype)) {
    case ResbufKind::String:
        if (value.rstring == nullptr) return setError(Acad::eInvalidResBuf, L"\nError: group %d without its text", item.restype);
        writeRaw(item.restype, encodeDxfText(value.rstring));
        break;
    case ResbufKind::Real: writeRaw(item.restype, formatDxfReal(value.rreal)); break;
    case ResbufKind::Point:
        if (!isPointXCode(item.restype)) return setError(Acad::eInvalidDxfCode, L"\nError: %d is no point code", item.restype);
        writePoint(item.restype, value.rpoint);
        break;
    case ResbufKind::Short: writeRaw(item.restype, std::to_string(value.rint)); break;
    case ResbufKind::Long: writeRaw(item.restype, std::to_string(value.rlong)); break;
    case ResbufKind::Int64: writeRaw(item.restype, std::to_string(value.mnInt64)); break;
    case ResbufKind::Binary: writeRaw(item.restype, hexOf(value.rbinary)); break;
    case ResbufKind::Name: {
        AcDbObjectId id;
        acdbGetObjectId(id, value.rlname);
        writeRaw(item.restype, encodeDxfText(AcDbHandle(savedHandle(database_, id)).text()));
        break;
    }
    default:
        return setError(Acad::eInvalidDxfCode, L"\nError: %d is not a DXF group code", item.restype);
    }
    return Acad::eOk;
}

}  // namespace rvnhost
