#include "dxf_memory_filer.h"

#include <cstdio>
#include <cstring>

#include "acutmem.h"
#include "resbuf_kind.h"

namespace rvnhost {

MemoryDxfFiler::MemoryDxfFiler(AcDb::FilerType type, AcDbDatabase* database) : type_(type), database_(database) {}

MemoryDxfFiler::~MemoryDxfFiler() {
    for (resbuf* group : groups_) acutRelRb(group);
}

void MemoryDxfFiler::rewind() {
    position_ = 0;
    lastWasRead_ = false;
    resetFilerStatus();
}

Acad::ErrorStatus MemoryDxfFiler::writeItem(const resbuf& item) {
    if (filerStatus() != Acad::eOk) return filerStatus();
    ResbufKind kind = resbufKind(item.restype);
    if (kind == ResbufKind::Unknown || item.restype >= 5000) {
        return setError(Acad::eInvalidDxfCode, L"\nError: %d is not a DXF group code", static_cast<int>(item.restype));
    }
    if (kind == ResbufKind::String && item.resval.rstring == nullptr) {
        return setError(Acad::eInvalidResBuf, L"\nError: group %d without its text", static_cast<int>(item.restype));
    }
    groups_.push_back(copyResbuf(item));
    lastWasRead_ = false;
    return Acad::eOk;
}

// The value handed out is the filer's own copy: strings and chunks live until the next read.
Acad::ErrorStatus MemoryDxfFiler::readItem(resbuf* item) {
    if (filerStatus() != Acad::eOk) return filerStatus();
    if (position_ >= groups_.size()) {
        lastWasRead_ = false;
        setStatus(Acad::eEndOfFile);
        return Acad::eEndOfFile;
    }
    const resbuf& group = *groups_[position_++];
    *item = group;
    item->rbnext = nullptr;
    switch (resbufKind(group.restype)) {
    case ResbufKind::String:
        readText_ = group.resval.rstring;
        item->resval.rstring = readText_.data();
        break;
    case ResbufKind::Binary:
        readBinary_.assign(group.resval.rbinary.buf, group.resval.rbinary.buf + group.resval.rbinary.clen);
        item->resval.rbinary.buf = readBinary_.data();
        break;
    default:
        break;
    }
    lastWasRead_ = true;
    return Acad::eOk;
}

Acad::ErrorStatus MemoryDxfFiler::pushBackItem() {
    if (!lastWasRead_ || position_ == 0) return Acad::eInvalidInput;
    --position_;
    lastWasRead_ = false;
    return Acad::eOk;
}

std::wstring MemoryDxfFiler::dump() const {
    std::wstring lines;
    wchar_t text[96];
    for (const resbuf* group : groups_) {
        lines += std::to_wstring(group->restype) + L' ';
        const ads_u_val& v = group->resval;
        switch (resbufKind(group->restype)) {
        case ResbufKind::String: lines += v.rstring; break;
        case ResbufKind::Real: std::swprintf(text, 96, L"%.17g", v.rreal); lines += text; break;
        case ResbufKind::Point:
            std::swprintf(text, 96, L"%.17g,%.17g,%.17g", v.rpoint[0], v.rpoint[1], v.rpoint[2]);
            lines += text;
            break;
        case ResbufKind::Short: lines += std::to_wstring(v.rint); break;
        case ResbufKind::Long: lines += std::to_wstring(v.rlong); break;
        case ResbufKind::Int64: lines += std::to_wstring(v.mnInt64); break;
        case ResbufKind::Name:
            lines += v.rlname[0] == 0 ? L"0" : AcDbHandle(static_cast<std::uint64_t>(v.rlname[0])).text();
            break;
        case ResbufKind::Binary:
            for (short i = 0; i < v.rbinary.clen; ++i) {
                std::swprintf(text, 96, L"%02X", static_cast<unsigned char>(v.rbinary.buf[i]));
                lines += text;
            }
            break;
        default: break;
        }
        lines += L'\n';
    }
    return lines;
}

}  // namespace rvnhost
