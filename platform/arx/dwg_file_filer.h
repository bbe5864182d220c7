// The DWG filer of drawing files: every item is written as a one-byte type tag followed by its
// value in little-endian byte order (see docs/drawing-format.md), and read back the same way.
// Reading an item of another type answers eDwgObjectImproperlyRead and consumes nothing; reading
// past the end answers eEndOfFile. As with every DWG filer, once the status is not eOk every
// further read answers it again and leaves its output zero (or empty).
//
// Object ids travel as handles. Writing, an id becomes the handle of its object when that object
// is saved with the drawing (present, not erased, of the filer's database), else the null handle.
// Reading, a handle becomes the id of the object of the filer's database that has it; a handle
// with no object there becomes a null id and is counted as unresolved.
#pragma once

#include <initializer_list>
#include <span>
#include <vector>

#include "dbfiler.h"
#include "dwg_bytes.h"
#include "dwg_item_tags.h"

namespace rvnhost {

// The handle a reference to id is written with in a drawing of database: the object's handle when
// the object is saved with it (present, not erased, of that database), else 0.
std::uint64_t savedHandle(const AcDbDatabase* database, const AcDbObjectId& id);

class DwgFileFiler : public AcDbDwgFiler {
public:
    // A filer appending to *out.
    DwgFileFiler(AcDbDatabase* database, std::vector<unsigned char>* out);
    // A filer reading bytes (which must outlive it).
    DwgFileFiler(AcDbDatabase* database, std::span<const unsigned char> bytes);

    Acad::ErrorStatus filerStatus() const override { return status_; }
    AcDb::FilerType filerType() const override { return AcDb::kFileFiler; }
    void setFilerStatus(Acad::ErrorStatus status) override { status_ = status; }
    void resetFilerStatus() override { status_ = Acad::eOk; }
    AcDbDatabase* database() const override { return database_; }

    // Handles read that name no object of the database.
    int unresolvedHandles() const { return unresolved_; }
    // True when every byte given to read has been consumed.
    bool atEnd() const { return reader_.atEnd(); }

    Acad::ErrorStatus readHardOwnershipId(AcDbHardOwnershipId* id) override;
    Acad::ErrorStatus writeHardOwnershipId(const AcDbHardOwnershipId& id) override;
    Acad::ErrorStatus readSoftOwnershipId(AcDbSoftOwnershipId* id) override;
    Acad::ErrorStatus writeSoftOwnershipId(const AcDbSoftOwnershipId& id) override;
    Acad::ErrorStatus readHardPointerId(AcDbHardPointerId* id) override;
    Acad::ErrorStatus writeHardPointerId(const AcDbHardPointerId& id) override;
    Acad::ErrorStatus readSoftPointerId(AcDbSoftPointerId* id) override;
    Acad::ErrorStatus writeSoftPointerId(const AcDbSoftPointerId& id) override;
    using AcDbDwgFiler::readString;
    Acad::ErrorStatus readString(std::wstring& value) override;
    Acad::ErrorStatus writeString(const ACHAR* value) override;
    Acad::ErrorStatus readBChunk(ads_binary* value) override;
    Acad::ErrorStatus writeBChunk(const ads_binary& value) override;
    Acad::ErrorStatus readAcDbHandle(AcDbHandle* value) override;
    Acad::ErrorStatus writeAcDbHandle(const AcDbHandle& value) override;
    Acad::ErrorStatus readInt64(Adesk::Int64* value) override;
    Acad::ErrorStatus writeInt64(Adesk::Int64 value) override;
    Acad::ErrorStatus readInt32(Adesk::Int32* value) override;
    Acad::ErrorStatus writeInt32(Adesk::Int32 value) override;
    Acad::ErrorStatus readInt16(Adesk::Int16* value) override;
    Acad::ErrorStatus writeInt16(Adesk::Int16 value) override;
    Acad::ErrorStatus readInt8(Adesk::Int8* value) override;
    Acad::ErrorStatus writeInt8(Adesk::Int8 value) override;
    Acad::ErrorStatus readUInt64(Adesk::UInt64* value) override;
    Acad::ErrorStatus writeUInt64(Adesk::UInt64 value) override;
    Acad::ErrorStatus readUInt32(Adesk::UInt32* value) override;
    Acad::ErrorStatus writeUInt32(Adesk::UInt32 value) override;
    Acad::ErrorStatus readUInt16(Adesk::UInt16* value) override;
    Acad::ErrorStatus writeUInt16(Adesk::UInt16 value) override;
    Acad::ErrorStatus readUInt8(Adesk::UInt8* value) override;
    Acad::ErrorStatus writeUInt8(Adesk::UInt8 value) override;
    Acad::ErrorStatus readBoolean(Adesk::Boolean* value) override;
    Acad::ErrorStatus writeBoolean(Adesk::Boolean value) override;
    Acad::ErrorStatus readBool(bool* value) override;
    Acad::ErrorStatus writeBool(bool value) override;
    Acad::ErrorStatus readDouble(double* value) override;
    Acad::ErrorStatus writeDouble(double value) override;
    Acad::ErrorStatus readPoint3d(AcGePoint3d* value) override;
    Acad::ErrorStatus writePoint3d(const AcGePoint3d& value) override;
    Acad::ErrorStatus readVector3d(AcGeVector3d* value) override;
    Acad::ErrorStatus writeVector3d(const AcGeVector3d& value) override;
    Acad::ErrorStatus readBytes(void* buffer, Adesk::UIntPtr count) override;
    Acad::ErrorStatus writeBytes(const void* buffer, Adesk::UIntPtr count) override;

private:
    // Starts an item of that type: false (status set) when the filer cannot take it.
    bool beginWrite(DwgItemTag tag);
    // Reads an item of that type with read(ByteReader&) -> bool; the filer's position moves only
    // when the whole item could be read.
    template <class Read>
    Acad::ErrorStatus readItem(DwgItemTag tag, Read read);
    template <class Unsigned>
    Acad::ErrorStatus writeUnsigned(DwgItemTag tag, Unsigned value);
    template <class Integer>
    Acad::ErrorStatus readUnsigned(DwgItemTag tag, Integer* value);
    template <class Integer>
    Acad::ErrorStatus readSigned(DwgItemTag tag, Integer* value);
    Acad::ErrorStatus writeDoubles(DwgItemTag tag, std::initializer_list<double> values);
    Acad::ErrorStatus readDoubles(DwgItemTag tag, double* values, int count);
    Acad::ErrorStatus writeId(DwgItemTag tag, const AcDbObjectId& id);
    template <class IdType>
    Acad::ErrorStatus readId(DwgItemTag tag, IdType* id);
    AcDbObjectId idOfHandle(std::uint64_t handle);

    AcDbDatabase* database_;
    std::vector<unsigned char>* out_ = nullptr;  // null for a reading filer
    ByteReader reader_;
    Acad::ErrorStatus status_ = Acad::eOk;
    int unresolved_ = 0;
};

}  // namespace rvnhost
