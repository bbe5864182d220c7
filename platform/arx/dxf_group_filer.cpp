#include "dxf_group_filer.h"

#include "dbmain.h"
#include "dxf_text.h"
#include "resbuf_kind.h"

namespace rvnhost {

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

DxfGroupFiler::DxfGroupFiler(AcDbDatabase* database, std::span<const DxfGroup> groups, bool utf8)
    : database_(database), groups_(groups), utf8_(utf8) {}

std::size_t DxfGroupFiler::line() const {
    if (groups_.empty()) return 0;
    return groups_[std::min(lastStart_, groups_.size() - 1)].line;
}

Acad::ErrorStatus DxfGroupFiler::badValue(const DxfGroup& group) {
    std::wstring value = decodeDxfText(group.value, utf8_);
    return setError(Acad::eInvalidDxfCode, L"line %zu: \"%ls\" is no value for group code %d", group.line + 1,
                    value.c_str(), group.code);
}

Acad::ErrorStatus DxfGroupFiler::readInteger(const DxfGroup& group, long long low, long long high, long long& value) {
    if (!parseDxfInteger(group.value, value) || value < low || value > high) return badValue(group);
    return Acad::eOk;
}

// X, then Y and Z when the next groups carry them (a planar point has no Z). A Y or Z without its
// X is refused.
Acad::ErrorStatus DxfGroupFiler::readPoint(const DxfGroup& group, resbuf* item) {
    double* xyz = item->resval.rpoint;
    xyz[0] = xyz[1] = xyz[2] = 0.0;
    if (!isPointXCode(group.code)) {
        return setError(Acad::eInvalidDxfCode, L"line %zu: group code %d is no X of a point", group.line, group.code);
    }
    if (!parseDxfReal(group.value, xyz[0])) return badValue(group);
    for (int axis = 1; axis <= 2 && position_ < groups_.size(); ++axis) {
        const DxfGroup& next = groups_[position_];
        if (next.code != group.code + 10 * axis) break;
        if (!parseDxfReal(next.value, xyz[axis])) return badValue(next);
        ++position_;
    }
    return Acad::eOk;
}

Acad::ErrorStatus DxfGroupFiler::readName(const DxfGroup& group, resbuf* item) {
    item->resval.rlname[0] = item->resval.rlname[1] = 0;
    std::wstring text = decodeDxfText(group.value, utf8_);
    AcDbHandle handle(text.c_str());
    AcDbObjectId id;
    if (!handle.isNull() && database_ != nullptr && database_->getAcDbObjectId(id, false, handle) == Acad::eOk) {
        acdbGetAdsName(item->resval.rlname, id);
    }
    return Acad::eOk;
}

Acad::ErrorStatus DxfGroupFiler::readBinary(const DxfGroup& group, resbuf* item) {
    std::string_view hex = group.value;
    if (hex.size() % 2 != 0 || hex.size() / 2 > 32767) return badValue(group);
    readBinary_.clear();
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        int high = hexValue(hex[i]), low = hexValue(hex[i + 1]);
        if (high < 0 || low < 0) return badValue(group);
        readBinary_.push_back(static_cast<char>(high * 16 + low));
    }
    item->resval.rbinary.clen = static_cast<short>(readBinary_.size());
    item->resval.rbinary.buf = readBinary_.data();
    return Acad::eOk;
}

// A group whose code the host does not know is read as text.
Acad::ErrorStatus DxfGroupFiler::readItem(resbuf* item) {
    if (filerStatus() != Acad::eOk) return filerStatus();
    lastWasRead_ = false;
    if (position_ >= groups_.size()) {
        setStatus(Acad::eEndOfFile);
        return Acad::eEndOfFile;
    }
    lastStart_ = position_;
    const DxfGroup& group = groups_[position_++];
    *item = resbuf{nullptr, static_cast<short>(group.code), {}};
    long long integer = 0;
    Acad::ErrorStatus status = Acad::eOk;
    switch (resbufKind(group.code)) {
    case ResbufKind::Real:
        if (!parseDxfReal(group.value, item->resval.rreal)) status = badValue(group);
        break;
    case ResbufKind::Point: status = readPoint(group, item); break;
    case ResbufKind::Short:
        status = readInteger(group, -32768, 65535, integer);
        item->resval.rint = static_cast<short>(integer);
        break;
    case ResbufKind::Long:
        status = readInteger(group, INT32_MIN, UINT32_MAX, integer);
        item->resval.rlong = static_cast<Adesk::Int32>(integer);
        break;
    case ResbufKind::Int64:
        status = readInteger(group, INT64_MIN, INT64_MAX, integer);
        item->resval.mnInt64 = integer;
        break;
    case ResbufKind::Name: status = readName(group, item); break;
    case ResbufKind::Binary: status = readBinary(group, item); break;
    default:
        readText_ = decodeDxfText(group.value, utf8_);
        item->resval.rstring = readText_.data();
        break;
    }
    lastWasRead_ = status == Acad::eOk;
    return status;
}

Acad::ErrorStatus DxfGroupFiler::pushBackItem() {
    if (!lastWasRead_) return Acad::eInvalidInput;
    position_ = lastStart_;
    lastWasRead_ = false;
    return Acad::eOk;
}

}  // namespace rvnhost
