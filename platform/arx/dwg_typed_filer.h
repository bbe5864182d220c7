// What the host's DWG filers share: every read or write files one item, a type tag and a value.
// This base turns the typed calls of AcDbDwgFiler into such items and keeps the status; a filer
// built on it only stores an item and hands back the next one, in memory (MemoryDwgFiler) or
// encoded in a drawing file's bytes (DwgFileFiler).
//
// Reading an item as another type answers eDwgObjectImproperlyRead and consumes nothing; reading
// past the end answers eEndOfFile. Once the status is not eOk every further read or write answers
// it again and a read leaves its output zero (or empty).
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "dbfiler.h"
#include "dwg_item_tags.h"

namespace rvnhost {

// The value of an item: signed integers and both booleans (0 or 1) written as int64, unsigned
// integers as uint64 (a filer may hand either back: a read narrows it to the type asked for), a
// binary chunk and raw bytes as a byte vector.
using DwgItemValue = std::variant<AcDbObjectId, std::wstring, std::vector<unsigned char>, AcDbHandle,
                                  std::int64_t, std::uint64_t, double, AcGePoint3d, AcGeVector3d>;

class TypedDwgFiler : public AcDbDwgFiler {
public:
    Acad::ErrorStatus filerStatus() const override { return status_; }
    void setFilerStatus(Acad::ErrorStatus status) override { status_ = status; }
    void resetFilerStatus() override { status_ = Acad::eOk; }
    AcDbDatabase* database() const override { return database_; }

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
    // Bytes must be read with the count they were written with.
    Acad::ErrorStatus readBytes(void* buffer, Adesk::UIntPtr count) override;
    Acad::ErrorStatus writeBytes(const void* buffer, Adesk::UIntPtr count) override;

protected:
    explicit TypedDwgFiler(AcDbDatabase* database) : database_(database) {}

    // Stores one item; eOk, or why the filer cannot take it.
    virtual Acad::ErrorStatus putItem(DwgItemTag tag, DwgItemValue value) = 0;
    // Takes the next item when it is of that tag (a Bytes item also of byteCount bytes) and gives
    // its value; otherwise answers why and consumes nothing.
    virtual Acad::ErrorStatus takeItem(DwgItemTag tag, std::size_t byteCount, DwgItemValue& value) = 0;

private:
    Acad::ErrorStatus put(DwgItemTag tag, DwgItemValue value);
    // True, with the value, when the next item is of that tag and could be taken (status set otherwise).
    bool take(DwgItemTag tag, DwgItemValue& value, std::size_t byteCount = 0);
    template <class T>
    Acad::ErrorStatus readValue(DwgItemTag tag, T* value);
    template <class IdType>
    Acad::ErrorStatus readId(DwgItemTag tag, IdType* id);
    template <class Integer>
    Acad::ErrorStatus readInteger(DwgItemTag tag, Integer* value);
    Acad::ErrorStatus readFlag(DwgItemTag tag, bool& value);

    AcDbDatabase* database_;
    Acad::ErrorStatus status_ = Acad::eOk;
};

// The name of an item's type, as dumps and messages show it ("Int16", "HardPointerId").
const wchar_t* itemTagName(DwgItemTag tag);

}  // namespace rvnhost
