#include "dwg_typed_filer.h"

#include <cstring>

#include "dbmain.h"

namespace rvnhost {

namespace {

std::vector<unsigned char> bytesOf(const void* buffer, std::size_t count) {
    const auto* bytes = static_cast<const unsigned char*>(buffer);
    return count == 0 ? std::vector<unsigned char>() : std::vector<unsigned char>(bytes, bytes + count);
}

}  // namespace

Acad::ErrorStatus TypedDwgFiler::put(DwgItemTag tag, DwgItemValue value) {
    if (status_ == Acad::eOk) status_ = putItem(tag, std::move(value));
    return status_;
}

bool TypedDwgFiler::take(DwgItemTag tag, DwgItemValue& value, std::size_t byteCount) {
    if (status_ == Acad::eOk) status_ = takeItem(tag, byteCount, value);
    return status_ == Acad::eOk;
}

template <class T>
Acad::ErrorStatus TypedDwgFiler::readValue(DwgItemTag tag, T* value) {
    *value = T();
    DwgItemValue item;
    if (take(tag, item)) *value = std::get<T>(item);
    return status_;
}

template <class IdType>
Acad::ErrorStatus TypedDwgFiler::readId(DwgItemTag tag, IdType* id) {
    *id = IdType();
    DwgItemValue item;
    if (take(tag, item)) *id = std::get<AcDbObjectId>(item);
    return status_;
}

template <class Integer>
Acad::ErrorStatus TypedDwgFiler::readInteger(DwgItemTag tag, Integer* value) {
    *value = 0;
    DwgItemValue item;
    if (!take(tag, item)) return status_;
    if (const auto* s = std::get_if<std::int64_t>(&item)) *value = static_cast<Integer>(*s);
    if (const auto* u = std::get_if<std::uint64_t>(&item)) *value = static_cast<Integer>(*u);
    return status_;
}

// Both boolean items hold 0 or 1; anything else reads as true.
Acad::ErrorStatus TypedDwgFiler::readFlag(DwgItemTag tag, bool& value) {
    std::int64_t stored = 0;
    readInteger(tag, &stored);
    value = stored != 0;
    return status_;
}

Acad::ErrorStatus TypedDwgFiler::readHardOwnershipId(AcDbHardOwnershipId* id) {
    return readId(DwgItemTag::HardOwnershipId, id);
}
Acad::ErrorStatus TypedDwgFiler::writeHardOwnershipId(const AcDbHardOwnershipId& id) {
    return put(DwgItemTag::HardOwnershipId, AcDbObjectId(id));
}
Acad::ErrorStatus TypedDwgFiler::readSoftOwnershipId(AcDbSoftOwnershipId* id) {
    return readId(DwgItemTag::SoftOwnershipId, id);
}
Acad::ErrorStatus TypedDwgFiler::writeSoftOwnershipId(const AcDbSoftOwnershipId& id) {
    return put(DwgItemTag::SoftOwnershipId, AcDbObjectId(id));
}
Acad::ErrorStatus TypedDwgFiler::readHardPointerId(AcDbHardPointerId* id) { return readId(DwgItemTag::HardPointerId, id); }
Acad::ErrorStatus TypedDwgFiler::writeHardPointerId(const AcDbHardPointerId& id) {
    return put(DwgItemTag::HardPointerId, AcDbObjectId(id));
}
Acad::ErrorStatus TypedDwgFiler::readSoftPointerId(AcDbSoftPointerId* id) { return readId(DwgItemTag::SoftPointerId, id); }
Acad::ErrorStatus TypedDwgFiler::writeSoftPointerId(const AcDbSoftPointerId& id) {
    return put(DwgItemTag::SoftPointerId, AcDbObjectId(id));
}

Acad::ErrorStatus TypedDwgFiler::readString(std::wstring& value) { return readValue(DwgItemTag::String, &value); }
Acad::ErrorStatus TypedDwgFiler::writeString(const ACHAR* value) {
    return put(DwgItemTag::String, std::wstring(value != nullptr ? value : L""));
}

Acad::ErrorStatus TypedDwgFiler::readBChunk(ads_binary* value) {
    value->clen = 0;
    value->buf = nullptr;
    DwgItemValue item;
    if (!take(DwgItemTag::BChunk, item)) return status_;
    const auto& bytes = std::get<std::vector<unsigned char>>(item);
    if (!bytes.empty()) {
        value->clen = static_cast<short>(bytes.size());
        value->buf = new char[bytes.size()];
        std::memcpy(value->buf, bytes.data(), bytes.size());
    }
    return status_;
}
Acad::ErrorStatus TypedDwgFiler::writeBChunk(const ads_binary& value) {
    if (value.clen < 0 || (value.clen > 0 && value.buf == nullptr)) return Acad::eInvalidInput;
    return put(DwgItemTag::BChunk, bytesOf(value.buf, static_cast<std::size_t>(value.clen)));
}

Acad::ErrorStatus TypedDwgFiler::readAcDbHandle(AcDbHandle* value) { return readValue(DwgItemTag::Handle, value); }
Acad::ErrorStatus TypedDwgFiler::writeAcDbHandle(const AcDbHandle& value) { return put(DwgItemTag::Handle, value); }

Acad::ErrorStatus TypedDwgFiler::readInt64(Adesk::Int64* value) { return readInteger(DwgItemTag::Int64, value); }
Acad::ErrorStatus TypedDwgFiler::writeInt64(Adesk::Int64 value) { return put(DwgItemTag::Int64, std::int64_t(value)); }
Acad::ErrorStatus TypedDwgFiler::readInt32(Adesk::Int32* value) { return readInteger(DwgItemTag::Int32, value); }
Acad::ErrorStatus TypedDwgFiler::writeInt32(Adesk::Int32 value) { return put(DwgItemTag::Int32, std::int64_t(value)); }
Acad::ErrorStatus TypedDwgFiler::readInt16(Adesk::Int16* value) { return readInteger(DwgItemTag::Int16, value); }
Acad::ErrorStatus TypedDwgFiler::writeInt16(Adesk::Int16 value) { return put(DwgItemTag::Int16, std::int64_t(value)); }
Acad::ErrorStatus TypedDwgFiler::readInt8(Adesk::Int8* value) { return readInteger(DwgItemTag::Int8, value); }
Acad::ErrorStatus TypedDwgFiler::writeInt8(Adesk::Int8 value) { return put(DwgItemTag::Int8, std::int64_t(value)); }
Acad::ErrorStatus TypedDwgFiler::readUInt64(Adesk::UInt64* value) { return readInteger(DwgItemTag::UInt64, value); }
Acad::ErrorStatus TypedDwgFiler::writeUInt64(Adesk::UInt64 value) { return put(DwgItemTag::UInt64, std::uint64_t(value)); }
Acad::ErrorStatus TypedDwgFiler::readUInt32(Adesk::UInt32* value) { return readInteger(DwgItemTag::UInt32, value); }
Acad::ErrorStatus TypedDwgFiler::writeUInt32(Adesk::UInt32 value) { return put(DwgItemTag::UInt32, std::uint64_t(value)); }
Acad::ErrorStatus TypedDwgFiler::readUInt16(Adesk::UInt16* value) { return readInteger(DwgItemTag::UInt16, value); }
Acad::ErrorStatus TypedDwgFiler::writeUInt16(Adesk::UInt16 value) { return put(DwgItemTag::UInt16, std::uint64_t(value)); }
Acad::ErrorStatus TypedDwgFiler::readUInt8(Adesk::UInt8* value) { return readInteger(DwgItemTag::UInt8, value); }
Acad::ErrorStatus TypedDwgFiler::writeUInt8(Adesk::UInt8 value) { return put(DwgItemTag::UInt8, std::uint64_t(value)); }

Acad::ErrorStatus TypedDwgFiler::readBoolean(Adesk::Boolean* value) { return readFlag(DwgItemTag::Boolean, *value); }
Acad::ErrorStatus TypedDwgFiler::writeBoolean(Adesk::Boolean value) {
    return put(DwgItemTag::Boolean, std::int64_t(value ? 1 : 0));
}
Acad::ErrorStatus TypedDwgFiler::readBool(bool* value) { return readFlag(DwgItemTag::Bool, *value); }
Acad::ErrorStatus TypedDwgFiler::writeBool(bool value) { return put(DwgItemTag::Bool, std::int64_t(value ? 1 : 0)); }

Acad::ErrorStatus TypedDwgFiler::readDouble(double* value) { return readValue(DwgItemTag::Double, value); }
Acad::ErrorStatus TypedDwgFiler::writeDouble(double value) { return put(DwgItemTag::Double, value); }
Acad::ErrorStatus TypedDwgFiler::readPoint3d(AcGePoint3d* value) { return readValue(DwgItemTag::Point3d, value); }
Acad::ErrorStatus TypedDwgFiler::writePoint3d(const AcGePoint3d& value) { return put(DwgItemTag::Point3d, value); }
Acad::ErrorStatus TypedDwgFiler::readVector3d(AcGeVector3d* value) { return readValue(DwgItemTag::Vector3d, value); }
Acad::ErrorStatus TypedDwgFiler::writeVector3d(const AcGeVector3d& value) { return put(DwgItemTag::Vector3d, value); }

Acad::ErrorStatus TypedDwgFiler::readBytes(void* buffer, Adesk::UIntPtr count) {
    std::memset(buffer, 0, count);
    DwgItemValue item;
    if (take(DwgItemTag::Bytes, item, count) && count > 0) {
        std::memcpy(buffer, std::get<std::vector<unsigned char>>(item).data(), count);
    }
    return status_;
}
Acad::ErrorStatus TypedDwgFiler::writeBytes(const void* buffer, Adesk::UIntPtr count) {
    if (count > 0xFFFFFFFFu || (count > 0 && buffer == nullptr)) return Acad::eInvalidInput;
    return put(DwgItemTag::Bytes, bytesOf(buffer, count));
}

const wchar_t* itemTagName(DwgItemTag tag) {
    switch (tag) {
    case DwgItemTag::Int8: return L"Int8";
    case DwgItemTag::Int16: return L"Int16";
    case DwgItemTag::Int32: return L"Int32";
    case DwgItemTag::Int64: return L"Int64";
    case DwgItemTag::UInt8: return L"UInt8";
    case DwgItemTag::UInt16: return L"UInt16";
    case DwgItemTag::UInt32: return L"UInt32";
    case DwgItemTag::UInt64: return L"UInt64";
    case DwgItemTag::Boolean: return L"Boolean";
    case DwgItemTag::Bool: return L"Bool";
    case DwgItemTag::Double: return L"Double";
    case DwgItemTag::String: return L"String";
    case DwgItemTag::BChunk: return L"BChunk";
    case DwgItemTag::Handle: return L"Handle";
    case DwgItemTag::HardOwnershipId: return L"HardOwnershipId";
    case DwgItemTag::SoftOwnershipId: return L"SoftOwnershipId";
    case DwgItemTag::HardPointerId: return L"HardPointerId";
    case DwgItemTag::SoftPointerId: return L"SoftPointerId";
    case DwgItemTag::Point3d: return L"Point3d";
    case DwgItemTag::Vector3d: return L"Vector3d";
    case DwgItemTag::Bytes: return L"Bytes";
    }
    return L"?";
}

}  // namespace rvnhost
