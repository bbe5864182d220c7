#include "dwg_file_filer.h"

#include <cstring>
#include <type_traits>

#include "dbmain.h"

namespace rvnhost {

namespace {

constexpr std::size_t kMaxBChunk = 32767;  // an ads_binary counts its bytes in a short

}  // namespace

DwgFileFiler::DwgFileFiler(AcDbDatabase* database, std::vector<unsigned char>* out)
    : database_(database), out_(out), reader_({}) {}

DwgFileFiler::DwgFileFiler(AcDbDatabase* database, std::span<const unsigned char> bytes)
    : database_(database), reader_(bytes) {}

bool DwgFileFiler::beginWrite(DwgItemTag tag) {
    if (status_ != Acad::eOk) return false;
    if (out_ == nullptr) {
        status_ = Acad::eNotApplicable;
        return false;
    }
    out_->push_back(static_cast<unsigned char>(tag));
    return true;
}

template <class Read>
Acad::ErrorStatus DwgFileFiler::readItem(DwgItemTag tag, Read read) {
    if (status_ != Acad::eOk) return status_;
    ByteReader attempt = reader_;
    std::uint8_t found = 0;
    if (!attempt.u8(found)) return status_ = Acad::eEndOfFile;
    if (found != static_cast<std::uint8_t>(tag)) return status_ = Acad::eDwgObjectImproperlyRead;
    if (!read(attempt)) return status_ = Acad::eEndOfFile;
    reader_ = attempt;
    return Acad::eOk;
}

template <class Unsigned>
Acad::ErrorStatus DwgFileFiler::writeUnsigned(DwgItemTag tag, Unsigned value) {
    if (beginWrite(tag)) ByteWriter(*out_).unsignedOf(value, sizeof(Unsigned));
    return status_;
}

template <class Integer>
Acad::ErrorStatus DwgFileFiler::readUnsigned(DwgItemTag tag, Integer* value) {
    *value = 0;
    return readItem(tag, [&](ByteReader& in) {
        std::uint64_t read = 0;
        if (!in.unsignedOf(sizeof(Integer), read)) return false;
        *value = static_cast<Integer>(read);
        return true;
    });
}

// Signed integers are stored in two's complement: the unsigned read of the same width, reinterpreted.
template <class Integer>
Acad::ErrorStatus DwgFileFiler::readSigned(DwgItemTag tag, Integer* value) {
    std::make_unsigned_t<Integer> bits = 0;
    Acad::ErrorStatus status = readUnsigned(tag, &bits);
    *value = static_cast<Integer>(bits);
    return status;
}

std::uint64_t savedHandle(const AcDbDatabase* database, const AcDbObjectId& id) {
    bool saved = id.isValid() && !id.isErased() && id.database() == database;
    return saved ? id.handle().value() : 0;
}

AcDbObjectId DwgFileFiler::idOfHandle(std::uint64_t handle) {
    AcDbObjectId id;
    if (handle == 0) return id;
    if (database_ == nullptr || database_->getAcDbObjectId(id, false, AcDbHandle(handle)) != Acad::eOk) {
        ++unresolved_;
        id.setNull();
    }
    return id;
}

Acad::ErrorStatus DwgFileFiler::writeId(DwgItemTag tag, const AcDbObjectId& id) {
    if (beginWrite(tag)) ByteWriter(*out_).u64(savedHandle(database_, id));
    return status_;
}

template <class IdType>
Acad::ErrorStatus DwgFileFiler::readId(DwgItemTag tag, IdType* id) {
    *id = IdType();
    std::uint64_t handle = 0;
    if (readUnsigned(tag, &handle) == Acad::eOk) *id = idOfHandle(handle);
    return status_;
}

Acad::ErrorStatus DwgFileFiler::readHardOwnershipId(AcDbHardOwnershipId* id) {
    return readId(DwgItemTag::HardOwnershipId, id);
}
Acad::ErrorStatus DwgFileFiler::writeHardOwnershipId(const AcDbHardOwnershipId& id) {
    return writeId(DwgItemTag::HardOwnershipId, id);
}
Acad::ErrorStatus DwgFileFiler::readSoftOwnershipId(AcDbSoftOwnershipId* id) {
    return readId(DwgItemTag::SoftOwnershipId, id);
}
Acad::ErrorStatus DwgFileFiler::writeSoftOwnershipId(const AcDbSoftOwnershipId& id) {
    return writeId(DwgItemTag::SoftOwnershipId, id);
}
Acad::ErrorStatus DwgFileFiler::readHardPointerId(AcDbHardPointerId* id) { return readId(DwgItemTag::HardPointerId, id); }
Acad::ErrorStatus DwgFileFiler::writeHardPointerId(const AcDbHardPointerId& id) {
    return writeId(DwgItemTag::HardPointerId, id);
}
Acad::ErrorStatus DwgFileFiler::readSoftPointerId(AcDbSoftPointerId* id) { return readId(DwgItemTag::SoftPointerId, id); }
Acad::ErrorStatus DwgFileFiler::writeSoftPointerId(const AcDbSoftPointerId& id) {
    return writeId(DwgItemTag::SoftPointerId, id);
}

Acad::ErrorStatus DwgFileFiler::readString(std::wstring& value) {
    value.clear();
    return readItem(DwgItemTag::String, [&](ByteReader& in) { return in.utf16z(value); });
}

Acad::ErrorStatus DwgFileFiler::writeString(const ACHAR* value) {
    if (beginWrite(DwgItemTag::String)) ByteWriter(*out_).utf16z(value != nullptr ? value : L"");
    return status_;
}

Acad::ErrorStatus DwgFileFiler::readBChunk(ads_binary* value) {
    value->clen = 0;
    value->buf = nullptr;
    std::span<const unsigned char> bytes;
    readItem(DwgItemTag::BChunk, [&](ByteReader& in) {
        std::uint16_t count = 0;
        return in.u16(count) && count <= kMaxBChunk && in.raw(count, bytes);
    });
    if (status_ == Acad::eOk && !bytes.empty()) {
        value->clen = static_cast<short>(bytes.size());
        value->buf = new char[bytes.size()];
        std::memcpy(value->buf, bytes.data(), bytes.size());
    }
    return status_;
}

Acad::ErrorStatus DwgFileFiler::writeBChunk(const ads_binary& value) {
    if (value.clen < 0 || (value.clen > 0 && value.buf == nullptr)) return Acad::eInvalidInput;
    if (beginWrite(DwgItemTag::BChunk)) {
        ByteWriter out(*out_);
        out.u16(static_cast<std::uint16_t>(value.clen));
        out.raw({reinterpret_cast<const unsigned char*>(value.buf), static_cast<std::size_t>(value.clen)});
    }
    return status_;
}

Acad::ErrorStatus DwgFileFiler::readAcDbHandle(AcDbHandle* value) {
    std::uint64_t handle = 0;
    readUnsigned(DwgItemTag::Handle, &handle);
    *value = AcDbHandle(handle);
    return status_;
}

Acad::ErrorStatus DwgFileFiler::writeAcDbHandle(const AcDbHandle& value) {
    if (beginWrite(DwgItemTag::Handle)) ByteWriter(*out_).u64(value.value());
    return status_;
}

Acad::ErrorStatus DwgFileFiler::readInt64(Adesk::Int64* value) { return readSigned(DwgItemTag::Int64, value); }
Acad::ErrorStatus DwgFileFiler::writeInt64(Adesk::Int64 value) {
    return writeUnsigned(DwgItemTag::Int64, static_cast<std::uint64_t>(value));
}
Acad::ErrorStatus DwgFileFiler::readInt32(Adesk::Int32* value) { return readSigned(DwgItemTag::Int32, value); }
Acad::ErrorStatus DwgFileFiler::writeInt32(Adesk::Int32 value) {
    return writeUnsigned(DwgItemTag::Int32, static_cast<std::uint32_t>(value));
}
Acad::ErrorStatus DwgFileFiler::readInt16(Adesk::Int16* value) { return readSigned(DwgItemTag::Int16, value); }
Acad::ErrorStatus DwgFileFiler::writeInt16(Adesk::Int16 value) {
    return writeUnsigned(DwgItemTag::Int16, static_cast<std::uint16_t>(value));
}
Acad::ErrorStatus DwgFileFiler::readInt8(Adesk::Int8* value) { return readSigned(DwgItemTag::Int8, value); }
Acad::ErrorStatus DwgFileFiler::writeInt8(Adesk::Int8 value) {
    return writeUnsigned(DwgItemTag::Int8, static_cast<std::uint8_t>(value));
}
Acad::ErrorStatus DwgFileFiler::readUInt64(Adesk::UInt64* value) { return readUnsigned(DwgItemTag::UInt64, value); }
Acad::ErrorStatus DwgFileFiler::writeUInt64(Adesk::UInt64 value) { return writeUnsigned(DwgItemTag::UInt64, value); }
Acad::ErrorStatus DwgFileFiler::readUInt32(Adesk::UInt32* value) { return readUnsigned(DwgItemTag::UInt32, value); }
Acad::ErrorStatus DwgFileFiler::writeUInt32(Adesk::UInt32 value) { return writeUnsigned(DwgItemTag::UInt32, value); }
Acad::ErrorStatus DwgFileFiler::readUInt16(Adesk::UInt16* value) { return readUnsigned(DwgItemTag::UInt16, value); }
Acad::ErrorStatus DwgFileFiler::writeUInt16(Adesk::UInt16 value) { return writeUnsigned(DwgItemTag::UInt16, value); }
Acad::ErrorStatus DwgFileFiler::readUInt8(Adesk::UInt8* value) { return readUnsigned(DwgItemTag::UInt8, value); }
Acad::ErrorStatus DwgFileFiler::writeUInt8(Adesk::UInt8 value) { return writeUnsigned(DwgItemTag::UInt8, value); }

// Both boolean items are one byte, 0 or 1; any other byte reads as true.
Acad::ErrorStatus DwgFileFiler::readBoolean(Adesk::Boolean* value) {
    std::uint8_t byte = 0;
    readUnsigned(DwgItemTag::Boolean, &byte);
    *value = byte != 0;
    return status_;
}
Acad::ErrorStatus DwgFileFiler::writeBoolean(Adesk::Boolean value) {
    return writeUnsigned(DwgItemTag::Boolean, std::uint8_t(value ? 1 : 0));
}
Acad::ErrorStatus DwgFileFiler::readBool(bool* value) {
    std::uint8_t byte = 0;
    readUnsigned(DwgItemTag::Bool, &byte);
    *value = byte != 0;
    return status_;
}
Acad::ErrorStatus DwgFileFiler::writeBool(bool value) { return writeUnsigned(DwgItemTag::Bool, std::uint8_t(value ? 1 : 0)); }

Acad::ErrorStatus DwgFileFiler::writeDoubles(DwgItemTag tag, std::initializer_list<double> values) {
    if (beginWrite(tag)) {
        ByteWriter out(*out_);
        for (double value : values) out.f64(value);
    }
    return status_;
}

Acad::ErrorStatus DwgFileFiler::readDoubles(DwgItemTag tag, double* values, int count) {
    double read[3] = {0.0, 0.0, 0.0};
    readItem(tag, [&](ByteReader& in) {
        for (int i = 0; i < count; ++i) {
            if (!in.f64(read[i])) return false;
        }
        return true;
    });
    for (int i = 0; i < count; ++i) values[i] = read[i];
    return status_;
}

Acad::ErrorStatus DwgFileFiler::readDouble(double* value) { return readDoubles(DwgItemTag::Double, value, 1); }
Acad::ErrorStatus DwgFileFiler::writeDouble(double value) { return writeDoubles(DwgItemTag::Double, {value}); }

Acad::ErrorStatus DwgFileFiler::readPoint3d(AcGePoint3d* value) {
    double xyz[3];
    readDoubles(DwgItemTag::Point3d, xyz, 3);
    *value = AcGePoint3d(xyz[0], xyz[1], xyz[2]);
    return status_;
}
Acad::ErrorStatus DwgFileFiler::writePoint3d(const AcGePoint3d& value) {
    return writeDoubles(DwgItemTag::Point3d, {value.x, value.y, value.z});
}

Acad::ErrorStatus DwgFileFiler::readVector3d(AcGeVector3d* value) {
    double xyz[3];
    readDoubles(DwgItemTag::Vector3d, xyz, 3);
    *value = AcGeVector3d(xyz[0], xyz[1], xyz[2]);
    return status_;
}
Acad::ErrorStatus DwgFileFiler::writeVector3d(const AcGeVector3d& value) {
    return writeDoubles(DwgItemTag::Vector3d, {value.x, value.y, value.z});
}

// Bytes must be read with the count they were written with.
Acad::ErrorStatus DwgFileFiler::readBytes(void* buffer, Adesk::UIntPtr count) {
    std::memset(buffer, 0, count);
    if (status_ != Acad::eOk) return status_;
    ByteReader attempt = reader_;
    std::uint8_t tag = 0;
    std::uint32_t stored = 0;
    std::span<const unsigned char> bytes;
    if (!attempt.u8(tag)) return status_ = Acad::eEndOfFile;
    if (tag != static_cast<std::uint8_t>(DwgItemTag::Bytes)) return status_ = Acad::eDwgObjectImproperlyRead;
    if (!attempt.u32(stored)) return status_ = Acad::eEndOfFile;
    if (stored != count) return status_ = Acad::eDwgObjectImproperlyRead;
    if (!attempt.raw(stored, bytes)) return status_ = Acad::eEndOfFile;
    if (count > 0) std::memcpy(buffer, bytes.data(), count);
    reader_ = attempt;
    return status_;
}

Acad::ErrorStatus DwgFileFiler::writeBytes(const void* buffer, Adesk::UIntPtr count) {
    if (count > 0xFFFFFFFFu || (count > 0 && buffer == nullptr)) return Acad::eInvalidInput;
    if (beginWrite(DwgItemTag::Bytes)) {
        ByteWriter out(*out_);
        out.u32(static_cast<std::uint32_t>(count));
        out.raw({static_cast<const unsigned char*>(buffer), static_cast<std::size_t>(count)});
    }
    return status_;
}

}  // namespace rvnhost
