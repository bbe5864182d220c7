// What the filers share: the DXF filer's status, typed writers and look-ahead.
#include "dbfiler.h"

#include <cstdarg>
#include <cwchar>

#include "builtin_class.h"
#include "dbmain.h"
#include "resbuf_kind.h"

RVN_DEFINE_BUILTIN_MEMBERS(AcDbDwgFiler)
RVN_DEFINE_BUILTIN_MEMBERS(AcDbDxfFiler)

using rvnhost::ResbufKind;

void AcDbDxfFiler::resetFilerStatus() {
    status_ = Acad::eOk;
    errorMessage_.clear();
}

Acad::ErrorStatus AcDbDxfFiler::setError(Acad::ErrorStatus status, const ACHAR* format, ...) {
    wchar_t message[1024] = L"";
    if (format != nullptr) {
        va_list args;
        va_start(args, format);
        std::vswprintf(message, sizeof message / sizeof message[0], format, args);
        va_end(args);
    }
    status_ = status;
    errorMessage_ = message;
    return status;
}

bool AcDbDxfFiler::atSubclassData(const ACHAR* subclassName) {
    resbuf group{};
    if (subclassName == nullptr || atEOF() || readItem(&group) != Acad::eOk) return false;
    if (group.restype == AcDb::kDxfSubclass && group.resval.rstring != nullptr &&
        std::wcscmp(group.resval.rstring, subclassName) == 0) {
        return true;
    }
    pushBackItem();
    return false;
}

bool AcDbDxfFiler::atExtendedData() {
    resbuf group{};
    if (atEOF() || readItem(&group) != Acad::eOk) return false;
    pushBackItem();
    return group.restype == AcDb::kDxfXDataStart || group.restype == AcDb::kDxfRegAppName;
}

bool AcDbDxfFiler::atObjectEnd() {
    resbuf group{};
    if (atEOF()) return true;
    if (readItem(&group) != Acad::eOk) return true;
    pushBackItem();
    return group.restype == AcDb::kDxfStart;
}

// A value whose kind is not the kind of its code is refused: eInvalidDxfCode.
Acad::ErrorStatus AcDbDxfFiler::writeTyped(AcDb::DxfCode code, const resbuf& item) {
    if (rvnhost::resbufKind(code) != rvnhost::resbufKind(item.restype)) {
        return setError(Acad::eInvalidDxfCode, L"\nError: group code %d cannot carry this value", static_cast<int>(code));
    }
    resbuf coded = item;
    coded.restype = static_cast<short>(code);
    return writeItem(coded);
}

namespace {

resbuf valueOf(short restype) {
    resbuf item{};
    item.restype = restype;
    return item;
}

}  // namespace

Acad::ErrorStatus AcDbDxfFiler::writeObjectId(AcDb::DxfCode code, const AcDbObjectId& id) {
    resbuf item = valueOf(AcDb::kDxfSoftPointerId);
    acdbGetAdsName(item.resval.rlname, id);
    return writeTyped(code, item);
}

Acad::ErrorStatus AcDbDxfFiler::writeString(AcDb::DxfCode code, const ACHAR* value) {
    resbuf item = valueOf(AcDb::kDxfText);
    item.resval.rstring = const_cast<ACHAR*>(value != nullptr ? value : L"");
    return writeTyped(code, item);
}

Acad::ErrorStatus AcDbDxfFiler::writeBChunk(AcDb::DxfCode code, const ads_binary& value) {
    resbuf item = valueOf(AcDb::kDxfBinaryChunk);
    item.resval.rbinary = value;
    return writeTyped(code, item);
}

Acad::ErrorStatus AcDbDxfFiler::writeAcDbHandle(AcDb::DxfCode code, const AcDbHandle& value) {
    std::wstring text = value.text();
    return writeString(code, text.c_str());
}

Acad::ErrorStatus AcDbDxfFiler::writeInt64(AcDb::DxfCode code, Adesk::Int64 value) {
    resbuf item = valueOf(AcDb::kDxfInt64);
    item.resval.mnInt64 = value;
    return writeTyped(code, item);
}

Acad::ErrorStatus AcDbDxfFiler::writeInt32(AcDb::DxfCode code, Adesk::Int32 value) {
    resbuf item = valueOf(AcDb::kDxfInt32);
    item.resval.rlong = value;
    return writeTyped(code, item);
}

Acad::ErrorStatus AcDbDxfFiler::writeInt16(AcDb::DxfCode code, Adesk::Int16 value) {
    resbuf item = valueOf(AcDb::kDxfInt16);
    item.resval.rint = value;
    return writeTyped(code, item);
}

Acad::ErrorStatus AcDbDxfFiler::writeInt8(AcDb::DxfCode code, Adesk::Int8 value) { return writeInt16(code, value); }

Acad::ErrorStatus AcDbDxfFiler::writeUInt32(AcDb::DxfCode code, Adesk::UInt32 value) {
    return writeInt32(code, static_cast<Adesk::Int32>(value));
}

Acad::ErrorStatus AcDbDxfFiler::writeUInt16(AcDb::DxfCode code, Adesk::UInt16 value) {
    return writeInt16(code, static_cast<Adesk::Int16>(value));
}

Acad::ErrorStatus AcDbDxfFiler::writeUInt8(AcDb::DxfCode code, Adesk::UInt8 value) { return writeInt16(code, value); }

Acad::ErrorStatus AcDbDxfFiler::writeBoolean(AcDb::DxfCode code, Adesk::Boolean value) {
    return writeInt16(code, value ? 1 : 0);
}

Acad::ErrorStatus AcDbDxfFiler::writeBool(AcDb::DxfCode code, bool value) { return writeInt16(code, value ? 1 : 0); }

Acad::ErrorStatus AcDbDxfFiler::writeDouble(AcDb::DxfCode code, double value, int) {
    resbuf item = valueOf(AcDb::kDxfReal);
    item.resval.rreal = value;
    return writeTyped(code, item);
}

Acad::ErrorStatus AcDbDxfFiler::writePoint3d(AcDb::DxfCode code, const AcGePoint3d& value, int) {
    resbuf item = valueOf(AcDb::kDxfXCoord);
    item.resval.rpoint[X] = value.x;
    item.resval.rpoint[Y] = value.y;
    item.resval.rpoint[Z] = value.z;
    return writeTyped(code, item);
}

Acad::ErrorStatus AcDbDxfFiler::writeVector3d(AcDb::DxfCode code, const AcGeVector3d& value, int precision) {
    return writePoint3d(code, AcGePoint3d(value.x, value.y, value.z), precision);
}

Acad::ErrorStatus AcDbDxfFiler::writeAngle(AcDb::DxfCode code, double radians, int precision) {
    return writeDouble(code, radians, precision);
}
