// An in-memory DWG filer: a list of typed items written in order and read back in order. Copying
// and undo file objects through it; tests read its sequence. Reading past the last item sets the
// status eEndOfFile; reading an item as another type sets eDwgObjectImproperlyRead.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "dbfiler.h"

namespace rvnhost {

class MemoryDwgFiler : public AcDbDwgFiler {
public:
    enum class ItemType {
        HardOwnershipId, SoftOwnershipId, HardPointerId, SoftPointerId, String, BChunk, Handle,
        Int64, Int32, Int16, Int8, UInt64, UInt32, UInt16, UInt8, Boolean, Bool, Double, Point3d,
        Vector3d, Bytes
    };
    using Value = std::variant<AcDbObjectId, std::wstring, std::vector<unsigned char>, AcDbHandle,
                               std::int64_t, std::uint64_t, double, AcGePoint3d, AcGeVector3d>;
    struct Item {
        ItemType type;
        Value value;
    };

    explicit MemoryDwgFiler(AcDb::FilerType type = AcDb::kCopyFiler, AcDbDatabase* database = nullptr);

    Acad::ErrorStatus filerStatus() const override { return status_; }
    AcDb::FilerType filerType() const override { return type_; }
    void setFilerStatus(Acad::ErrorStatus status) override { status_ = status; }
    void resetFilerStatus() override { status_ = Acad::eOk; }
    AcDbDatabase* database() const override { return database_; }

    // Back to the first item for reading, with the status reset.
    void rewind();
    const std::vector<Item>& items() const { return items_; }
    std::size_t position() const { return position_; }
    // Drops every item from position on (a test's way to cut the sequence short).
    void truncate(std::size_t count);
    // One line per item: its type and value ("Int16 1", "String \"abc\"").
    std::wstring dump() const;

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
    Acad::ErrorStatus write(ItemType type, Value value);
    // The next item if it is of that type; null (status set) otherwise.
    const Value* next(ItemType type);
    template <class Integer, ItemType type>
    Acad::ErrorStatus readInteger(Integer* value);
    template <class IdType>
    Acad::ErrorStatus readId(IdType* id, ItemType type);

    AcDb::FilerType type_;
    AcDbDatabase* database_;
    Acad::ErrorStatus status_ = Acad::eOk;
    std::vector<Item> items_;
    std::size_t position_ = 0;
};

const wchar_t* itemTypeName(MemoryDwgFiler::ItemType type);

}  // namespace rvnhost
