#include "dwg_memory_filer.h"

#include <cstdio>

#include "dbmain.h"

namespace rvnhost {

MemoryDwgFiler::MemoryDwgFiler(AcDb::FilerType type, AcDbDatabase* database)
    : TypedDwgFiler(database), type_(type) {}

void MemoryDwgFiler::rewind() {
    position_ = 0;
    resetFilerStatus();
}

void MemoryDwgFiler::truncate(std::size_t count) {
    if (count < items_.size()) items_.resize(count);
    if (position_ > items_.size()) position_ = items_.size();
}

Acad::ErrorStatus MemoryDwgFiler::putItem(DwgItemTag tag, DwgItemValue value) {
    items_.push_back({tag, std::move(value)});
    return Acad::eOk;
}

Acad::ErrorStatus MemoryDwgFiler::takeItem(DwgItemTag tag, std::size_t byteCount, DwgItemValue& value) {
    if (position_ >= items_.size()) return Acad::eEndOfFile;
    const Item& item = items_[position_];
    if (item.type != tag) return Acad::eDwgObjectImproperlyRead;
    if (tag == DwgItemTag::Bytes && std::get<std::vector<unsigned char>>(item.value).size() != byteCount) {
        return Acad::eDwgObjectImproperlyRead;
    }
    value = item.value;
    ++position_;
    return Acad::eOk;
}

namespace {

std::wstring describeValue(const MemoryDwgFiler::Value& value) {
    wchar_t text[64];
    if (const auto* s = std::get_if<std::wstring>(&value)) return L"\"" + *s + L"\"";
    if (const auto* id = std::get_if<AcDbObjectId>(&value)) return id->isNull() ? L"null" : id->handle().text();
    if (const auto* h = std::get_if<AcDbHandle>(&value)) return h->text();
    if (const auto* i = std::get_if<std::int64_t>(&value)) return std::to_wstring(*i);
    if (const auto* u = std::get_if<std::uint64_t>(&value)) return std::to_wstring(*u);
    if (const auto* d = std::get_if<double>(&value)) {
        std::swprintf(text, 64, L"%.17g", *d);
        return text;
    }
    if (const auto* p = std::get_if<AcGePoint3d>(&value)) {
        std::swprintf(text, 64, L"%.17g,%.17g,%.17g", p->x, p->y, p->z);
        return text;
    }
    if (const auto* v = std::get_if<AcGeVector3d>(&value)) {
        std::swprintf(text, 64, L"%.17g,%.17g,%.17g", v->x, v->y, v->z);
        return text;
    }
    std::wstring hex;
    for (unsigned char byte : std::get<std::vector<unsigned char>>(value)) {
        std::swprintf(text, 64, L"%02X", byte);
        hex += text;
    }
    return hex;
}

}  // namespace

std::wstring MemoryDwgFiler::dump() const {
    std::wstring lines;
    for (const Item& item : items_) {
        lines += itemTagName(item.type);
        lines += L' ';
        lines += describeValue(item.value);
        lines += L'\n';
    }
    return lines;
}

}  // namespace rvnhost
