#include "block_insert_copy.h"

#include <memory>

#include "dbmain.h"
#include "dbsymtb.h"
#include "editor_open_object.h"
#include "object_access.h"

namespace rvnhost {

namespace {

using ItemType = MemoryDwgFiler::ItemType;

bool isIdItem(ItemType type) {
    return type == ItemType::HardOwnershipId || type == ItemType::SoftOwnershipId ||
           type == ItemType::HardPointerId || type == ItemType::SoftPointerId;
}

bool isOwnership(ItemType type) { return type == ItemType::HardOwnershipId || type == ItemType::SoftOwnershipId; }

void writeId(MemoryDwgFiler& to, ItemType type, AcDbObjectId id) {
    switch (type) {
    case ItemType::HardOwnershipId: to.writeHardOwnershipId(id); break;
    case ItemType::SoftOwnershipId: to.writeSoftOwnershipId(id); break;
    case ItemType::HardPointerId: to.writeHardPointerId(id); break;
    default: to.writeSoftPointerId(id); break;
    }
}

void writeBytes(MemoryDwgFiler& to, ItemType type, const std::vector<unsigned char>& bytes) {
    if (type == ItemType::Bytes) {
        to.writeBytes(bytes.data(), bytes.size());
        return;
    }
    ads_binary chunk{static_cast<short>(bytes.size()), const_cast<char*>(reinterpret_cast<const char*>(bytes.data()))};
    to.writeBChunk(chunk);
}

void writeSigned(MemoryDwgFiler& to, ItemType type, std::int64_t value) {
    switch (type) {
    case ItemType::Int64: to.writeInt64(value); break;
    case ItemType::Int32: to.writeInt32(static_cast<Adesk::Int32>(value)); break;
    case ItemType::Int16: to.writeInt16(static_cast<Adesk::Int16>(value)); break;
    case ItemType::Int8: to.writeInt8(static_cast<Adesk::Int8>(value)); break;
    case ItemType::Boolean: to.writeBoolean(value != 0); break;
    default: to.writeBool(value != 0); break;
    }
}

void writeUnsigned(MemoryDwgFiler& to, ItemType type, std::uint64_t value) {
    switch (type) {
    case ItemType::UInt64: to.writeUInt64(value); break;
    case ItemType::UInt32: to.writeUInt32(static_cast<Adesk::UInt32>(value)); break;
    case ItemType::UInt16: to.writeUInt16(static_cast<Adesk::UInt16>(value)); break;
    default: to.writeUInt8(static_cast<Adesk::UInt8>(value)); break;
    }
}

// Writes an item that is not an id as it is.
void writeValue(MemoryDwgFiler& to, const MemoryDwgFiler::Item& item) {
    const auto& value = item.value;
    if (const auto* text = std::get_if<std::wstring>(&value)) to.writeString(text->c_str());
    else if (const auto* bytes = std::get_if<std::vector<unsigned char>>(&value)) writeBytes(to, item.type, *bytes);
    else if (const auto* handle = std::get_if<AcDbHandle>(&value)) to.writeAcDbHandle(*handle);
    else if (const auto* signedValue = std::get_if<std::int64_t>(&value)) writeSigned(to, item.type, *signedValue);
    else if (const auto* unsignedValue = std::get_if<std::uint64_t>(&value)) writeUnsigned(to, item.type, *unsignedValue);
    else if (const auto* real = std::get_if<double>(&value)) to.writeDouble(*real);
    else if (const auto* point = std::get_if<AcGePoint3d>(&value)) to.writePoint3d(*point);
    else if (const auto* vector = std::get_if<AcGeVector3d>(&value)) to.writeVector3d(*vector);
}

}  // namespace

AcDbObjectId DatabaseCopier::targetTableFor(const AcDbObject& record) const {
    if (AcDbBlockTableRecord::cast(&record) != nullptr) return target_.blockTableId();
    if (AcDbLayerTableRecord::cast(&record) != nullptr) return target_.layerTableId();
    if (AcDbLinetypeTableRecord::cast(&record) != nullptr) return target_.linetypeTableId();
    if (AcDbTextStyleTableRecord::cast(&record) != nullptr) return target_.textStyleTableId();
    if (AcDbRegAppTableRecord::cast(&record) != nullptr) return target_.regAppTableId();
    return AcDbObjectId();
}

Acad::ErrorStatus DatabaseCopier::translateRecord(AcDbObjectId record, AcDbObjectId& result) {
    const auto found = copies_.find(record);
    if (found != copies_.end()) {
        result = found->second;
        return Acad::eOk;
    }
    const AcDbObject* object = ObjectAccess::peek(record);
    const AcDbObjectId tableId = object != nullptr ? targetTableFor(*object) : AcDbObjectId();
    auto* table = AcDbSymbolTable::cast(ObjectAccess::peek(tableId));
    if (table == nullptr) return Acad::eMissingSymbolTable;
    result = table->findRecord(AcDbSymbolTable::recordName(record), false);
    if (!result.isNull()) {
        copies_[record] = result;
        return Acad::eOk;
    }
    Acad::ErrorStatus status = copyObject(record, tableId, result);
    if (status != Acad::eOk) return status;
    OpenedObject<AcDbSymbolTable> opened(tableId, AcDb::kForWrite);
    return opened ? opened->attachRecord(result) : opened.status();
}

Acad::ErrorStatus DatabaseCopier::translate(const MemoryDwgFiler::Item& item, AcDbObjectId owner, AcDbObjectId& result) {
    const AcDbObjectId id = std::get<AcDbObjectId>(item.value);
    result.setNull();
    if (id.isNull() || id.database() != &source_) return Acad::eOk;
    const auto found = copies_.find(id);
    if (found != copies_.end()) {
        result = found->second;
        return Acad::eOk;
    }
    if (AcDbSymbolTableRecord::cast(ObjectAccess::peek(id)) != nullptr) return translateRecord(id, result);
    if (isOwnership(item.type) && !id.isErased()) return copyObject(id, owner, result);
    return Acad::eOk;
}

Acad::ErrorStatus DatabaseCopier::translatedItems(const MemoryDwgFiler& from, AcDbObjectId owner, MemoryDwgFiler& to) {
    for (const MemoryDwgFiler::Item& item : from.items()) {
        if (!isIdItem(item.type)) {
            writeValue(to, item);
            continue;
        }
        AcDbObjectId translated;
        const Acad::ErrorStatus status = translate(item, owner, translated);
        if (status != Acad::eOk) return status;
        writeId(to, item.type, translated);
    }
    return to.filerStatus();
}

// The copy joins the target before its items are translated, so that what it owns can name it as
// their owner and a reference back to it finds it.
Acad::ErrorStatus DatabaseCopier::copyObject(AcDbObjectId object, AcDbObjectId newOwner, AcDbObjectId& copy) {
    copy.setNull();
    OpenedObject<AcDbObject> original(object, AcDb::kForRead);
    if (!original) return original.status();
    MemoryDwgFiler written(AcDb::kWblockCloneFiler, &source_);
    Acad::ErrorStatus status = original->dwgOutFields(&written);
    if (status != Acad::eOk) return status;
    std::unique_ptr<AcDbObject> made(AcDbObject::cast(original->isA()->create()));
    if (made == nullptr) return Acad::eNotApplicable;
    status = target_.addAcDbObject(copy, made.get());
    if (status != Acad::eOk) return status;
    AcDbObject* added = made.release();
    made_.push_back(copy);
    copies_[object] = copy;
    ObjectAccess::setOwner(*added, newOwner);
    MemoryDwgFiler translated(AcDb::kWblockCloneFiler, &target_);
    status = translatedItems(written, copy, translated);
    if (status == Acad::eOk) status = added->dwgInFields(&translated);
    added->close();
    return status;
}

Acad::ErrorStatus DatabaseCopier::copyApplications() {
    const auto* table = AcDbSymbolTable::cast(ObjectAccess::peek(source_.regAppTableId()));
    if (table == nullptr) return Acad::eOk;
    for (AcDbObjectId application : table->recordIds()) {
        if (application.isErased()) continue;
        AcDbObjectId translated;
        const Acad::ErrorStatus status = translateRecord(application, translated);
        if (status != Acad::eOk) return status;
    }
    return Acad::eOk;
}

void DatabaseCopier::discard() {
    for (AcDbObjectId id : made_) ObjectAccess::markErased(id, true);
    made_.clear();
    copies_.clear();
}

}  // namespace rvnhost
