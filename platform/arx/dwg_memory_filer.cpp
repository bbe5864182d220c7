#include "dwg_memory_filer.h"

#include <cstdio>
#include <cstring>

#include "dbmain.h"

namespace rvnhost {

MemoryDwgFiler::MemoryDwgFiler(AcDb::FilerType type, AcDbDatabase* database) : type_(type), database_(database) {}

void MemoryDwgFiler::rewind() {
    position_ = 0;
    status_ = Acad::eOk;
}

void MemoryDwgFiler::truncate(std::size_t count) {
    if (count < items_.size()) items_.resize(count);
    if (position_ > items_.size()) position_ = items_.size();
}

Acad::ErrorStatus MemoryDwgFiler::write(ItemType type, Value value) {
    if (status_ != Acad::eOk) return status_;
    items_.push_back({type, std::move(value)});
    return Acad::eOk;
}

const MemoryDwgFiler::Value* MemoryDwgFiler::next(ItemType type) {
    if (status_ != Acad::eOk) return nullptr;
    if (position_ >= items_.size()) {
        status_ = Acad::eEndOfFile;
        return nullptr;
    }
    if (items_[position_].type != type) {
        status_ = Acad::eDwgObjectImproperlyRead;
        return nullptr;
    }
    return &items_[position_++].value;
}

template <class Integer, MemoryDwgFiler::ItemType type>
Acad::ErrorStatus MemoryDwgFiler::readInteger(Integer* value) {
    *value = 0;
    if (const Value* item = next(type)) {
        if (const auto* s = std::get_if<std::int64_t>(item)) *value = static_cast<Integer>(*s);
        if (const auto* u = std::get_if<std::uint64_t>(item)) *value = static_cast<Integer>(*u);
    }
    return status_;
}

template <class IdType>
Acad::ErrorStatus MemoryDwgFiler::readId(IdType* id, ItemType type) {
    *id = IdType();
    if (const Value* item = next(type)) *id = std::get<AcDbObjectId>(*item);
    return status_;
}

Acad::ErrorStatus MemoryDwgFiler::readHardOwnershipId(AcDbHardOwnershipId* id) {
    return readId(id, ItemType::HardOwnershipId);
}
Acad::ErrorStatus MemoryDwgFiler::writeHardOwnershipId(const AcDbHardOwnershipId& id) {
    return write(ItemType::HardOwnershipId, AcDbObjectId(id));
}
Acad::ErrorStatus MemoryDwgFiler::readSoftOwnershipId(AcDbSoftOwnershipId* id) {
    return readId(id, ItemType::SoftOwnershipId);
}
Acad::ErrorStatus MemoryDwgFiler::writeSoftOwnershipId(const AcDbSoftOwnershipId& id) {
    return write(ItemType::SoftOwnershipId, AcDbObjectId(id));
}
Acad::ErrorStatus MemoryDwgFiler::readHardPointerId(AcDbHardPointerId* id) { return readId(id, ItemType::HardPointerId); }
Acad::ErrorStatus MemoryDwgFiler::writeHardPointerId(const AcDbHardPointerId& id) {
    return write(ItemType::HardPointerId, AcDbObjectId(id));
}
Acad::ErrorStatus MemoryDwgFiler::readSoftPointerId(AcDbSoftPointerId* id) { return readId(id, ItemType::SoftPointerId); }
Acad::ErrorStatus MemoryDwgFiler::writeSoftPointerId(const AcDbSoftPointerId& id) {
    return write(ItemType::SoftPointerId, AcDbObjectId(id));
}

Acad::ErrorStatus MemoryDwgFiler::readString(std::wstring& value) {
    value.clear();
    if (const Value* item = next(ItemType::String)) value = std::get<std::wstring>(*item);
    return status_;
}

Acad::ErrorStatus MemoryDwgFiler::writeString(const ACHAR* value) {
    return write(ItemType::String, std::wstring(value != nullptr ? value : L""));
}

Acad::ErrorStatus MemoryDwgFiler::readBChunk(ads_binary* value) {
    value->clen = 0;
    value->buf = nullptr;
    if (const Value* item = next(ItemType::BChunk)) {
        const auto& bytes = std::get<std::vector<unsigned char>>(*item);
        value->clen = static_cast<short>(bytes.size());
        if (!bytes.empty()) {
            value->buf = new char[bytes.size()];
            std::memcpy(value->buf, bytes.data(), bytes.size());
        }
    }
    return status_;
}

Acad::ErrorStatus MemoryDwgFiler::writeBChunk(const ads_binary& value) {
    if (value.clen < 0 || (value.clen > 0 && value.buf == nullptr)) return Acad::eInvalidInput;
    const auto* bytes = reinterpret_cast<const unsigned char*>(value.buf);
    return write(ItemType::BChunk, std::vector<unsigned char>(bytes, bytes + value.clen));
}

Acad::ErrorStatus MemoryDwgFiler::readAcDbHandle(AcDbHandle* value) {
    *value = AcDbHandle();
    if (const Value* item = next(ItemType::Handle)) *value = std::get<AcDbHandle>(*item);
    return status_;
}

Acad::ErrorStatus MemoryDwgFiler::writeAcDbHandle(const AcDbHandle& value) { return write(ItemType::Handle, value); }

Acad::ErrorStatus MemoryDwgFiler::readInt64(Adesk::Int64* value) { return readInteger<Adesk::Int64, ItemType::Int64>(value); }
Acad::ErrorStatus MemoryDwgFiler::writeInt64(Adesk::Int64 value) { return write(ItemType::Int64, std::int64_t(value)); }
Acad::ErrorStatus MemoryDwgFiler::readInt32(Adesk::Int32* value) { return readInteger<Adesk::Int32, ItemType::Int32>(value); }
Acad::ErrorStatus MemoryDwgFiler::writeInt32(Adesk::Int32 value) { return write(ItemType::Int32, std::int64_t(value)); }
Acad::ErrorStatus MemoryDwgFiler::readInt16(Adesk::Int16* value) { return readInteger<Adesk::Int16, ItemType::Int16>(value); }
Acad::ErrorStatus MemoryDwgFiler::writeInt16(Adesk::Int16 value) { return write(ItemType::Int16, std::int64_t(value)); }
Acad::ErrorStatus MemoryDwgFiler::readInt8(Adesk::Int8* value) { return readInteger<Adesk::Int8, ItemType::Int8>(value); }
Acad::ErrorStatus MemoryDwgFiler::writeInt8(Adesk::Int8 value) { return write(ItemType::Int8, std::int64_t(value)); }
Acad::ErrorStatus MemoryDwgFiler::readUInt64(Adesk::UInt64* value) {
    return readInteger<Adesk::UInt64, ItemType::UInt64>(value);
}
Acad::ErrorStatus MemoryDwgFiler::writeUInt64(Adesk::UInt64 value) { return write(ItemType::UInt64, std::uint64_t(value)); }
Acad::ErrorStatus MemoryDwgFiler::readUInt32(Adesk::UInt32* value) {
    return readInteger<Adesk::UInt32, ItemType::UInt32>(value);
}
Acad::ErrorStatus MemoryDwgFiler::writeUInt32(Adesk::UInt32 value) { return write(ItemType::UInt32, std::uint64_t(value)); }
Acad::ErrorStatus MemoryDwgFiler::readUInt16(Adesk::UInt16* value) {
    return readInteger<Adesk::UInt16, ItemType::UInt16>(value);
}
Acad::ErrorStatus MemoryDwgFiler::writeUInt16(Adesk::UInt16 value) { return write(ItemType::UInt16, std::uint64_t(value)); }
Acad::ErrorStatus MemoryDwgFiler::readUInt8(Adesk::UInt8* value) { return readInteger<Adesk::UInt8, ItemType::UInt8>(value); }
Acad::ErrorStatus MemoryDwgFiler::writeUInt8(Adesk::UInt8 value) { return write(ItemType::UInt8, std::uint64_t(value)); }

Acad::ErrorStatus MemoryDwgFiler::readBoolean(Adesk::Boolean* value) {
    Adesk::Int8 stored = 0;
    readInteger<Adesk::Int8, ItemType::Boolean>(&stored);
    *value = stored != 0;
    return status_;
}
Acad::ErrorStatus MemoryDwgFiler::writeBoolean(Adesk::Boolean value) {
    return write(ItemType::Boolean, std::int64_t(value ? 1 : 0));
}
Acad::ErrorStatus MemoryDwgFiler::readBool(bool* value) {
    Adesk::Int8 stored = 0;
    readInteger<Adesk::Int8, ItemType::Bool>(&stored);
    *value = stored != 0;
    return status_;
}
Acad::ErrorStatus MemoryDwgFiler::writeBool(bool value) { return write(ItemType::Bool, std::int64_t(value ? 1 : 0)); }

Acad::ErrorStatus MemoryDwgFiler::readDouble(double* value) {
    *value = 0.0;
    if (const Value* item = next(ItemType::Double)) *value = std::get<double>(*item);
    return status_;
}
Acad::ErrorStatus MemoryDwgFiler::writeDouble(double value) { return write(ItemType::Double, value); }

Acad::ErrorStatus MemoryDwgFiler::readPoint3d(AcGePoint3d* value) {
    *value = AcGePoint3d();
    if (const Value* item = next(ItemType::Point3d)) *value = std::get<AcGePoint3d>(*item);
    return status_;
}
Acad::ErrorStatus MemoryDwgFiler::writePoint3d(const AcGePoint3d& value) { return write(ItemType::Point3d, value); }

Acad::ErrorStatus MemoryDwgFiler::readVector3d(AcGeVector3d* value) {
    *value = AcGeVector3d();
    if (const Value* item = next(ItemType::Vector3d)) *value = std::get<AcGeVector3d>(*item);
    return status_;
}
Acad::ErrorStatus MemoryDwgFiler::writeVector3d(const AcGeVector3d& value) { return write(ItemType::Vector3d, value); }

// Bytes must be read with the count they were written with.
Acad::ErrorStatus MemoryDwgFiler::readBytes(void* buffer, Adesk::UIntPtr count) {
    std::memset(buffer, 0, count);
    std::size_t at = position_;
    if (const Value* item = next(ItemType::Bytes)) {
        const auto& bytes = std::get<std::vector<unsigned char>>(*item);
        if (bytes.size() != count) {
            position_ = at;
            status_ = Acad::eDwgObjectImproperlyRead;
            return status_;
        }
        std::memcpy(buffer, bytes.data(), count);
    }
    return status_;
}

Acad::ErrorStatus MemoryDwgFiler::writeBytes(const void* buffer, Adesk::UIntPtr count) {
    const auto* bytes = static_cast<const unsigned char*>(buffer);
    return write(ItemType::Bytes, std::vector<unsigned char>(bytes, bytes + count));
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
        lines += itemTypeName(item.type);
        lines += L' ';
        lines += describeValue(item.value);
        lines += L'\n';
    }
    return lines;
}

const wchar_t* itemTypeName(MemoryDwgFiler::ItemType type) {
    using T = MemoryDwgFiler::ItemType;
    switch (type) {
    case T::HardOwnershipId: return L"HardOwnershipId";
    case T::SoftOwnershipId: return L"SoftOwnershipId";
    case T::HardPointerId: return L"HardPointerId";
    case T::SoftPointerId: return L"SoftPointerId";
    case T::String: return L"String";
    case T::BChunk: return L"BChunk";
    case T::Handle: return L"Handle";
    case T::Int64: return L"Int64";
    case T::Int32: return L"Int32";
    case T::Int16: return L"Int16";
    case T::Int8: return L"Int8";
    case T::UInt64: return L"UInt64";
    case T::UInt32: return L"UInt32";
    case T::UInt16: return L"UInt16";
    case T::UInt8: return L"UInt8";
    case T::Boolean: return L"Boolean";
    case T::Bool: return L"Bool";
    case T::Double: return L"Double";
    case T::Point3d: return L"Point3d";
    case T::Vector3d: return L"Vector3d";
    case T::Bytes: return L"Bytes";
    }
    return L"?";
}

}  // namespace rvnhost
