// The colour and linetype of an entity, and taking them (with the layer) from another entity.
#include "acutmem.h"
#include "dbapserv.h"
#include "dbentity.h"
#include "dbsymtb.h"
#include "object_access.h"

using rvnhost::ObjectAccess;

Acad::ErrorStatus AcDbEntity::setColorIndex(Adesk::UInt16 color, bool) {
    Acad::ErrorStatus status = assertWriteEnabled();
    if (status != Acad::eOk) return status;
    if (color > 256) return Acad::eBadColorIndex;
    colorIndex_ = color;
    return Acad::eOk;
}

ACHAR* AcDbEntity::linetype() const {
    if (!isReadEnabled()) return nullptr;
    const std::wstring name = linetypeId_.isNull() ? L"ByLayer" : AcDbSymbolTable::recordName(linetypeId_);
    ACHAR* copy = nullptr;
    acutNewString(name.c_str(), copy);
    return copy;
}

Acad::ErrorStatus AcDbEntity::setLinetype(const ACHAR* newLinetype, bool doSubents) {
    Acad::ErrorStatus status = assertWriteEnabled();
    if (status != Acad::eOk) return status;
    if (newLinetype == nullptr) return Acad::eInvalidInput;
    AcDbDatabase* db = database() != nullptr ? database() : acdbHostApplicationServices()->workingDatabase();
    if (db == nullptr) return Acad::eNoDatabase;
    auto* table = static_cast<AcDbSymbolTable*>(ObjectAccess::peek(db->linetypeTableId()));
    const AcDbObjectId linetype = table != nullptr ? table->findRecord(newLinetype, false) : AcDbObjectId();
    if (linetype.isNull()) return Acad::eKeyNotFound;
    return setLinetype(linetype, doSubents);
}

Acad::ErrorStatus AcDbEntity::setLinetype(AcDbObjectId newLinetype, bool) {
    Acad::ErrorStatus status = assertWriteEnabled();
    if (status != Acad::eOk) return status;
    if (newLinetype.isNull() || newLinetype.isErased() ||
        AcDbLinetypeTableRecord::cast(ObjectAccess::peek(newLinetype)) == nullptr) {
        return Acad::eInvalidInput;
    }
    if (database() != nullptr && newLinetype.database() != database()) return Acad::eWrongDatabase;
    linetypeId_ = newLinetype;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::setPropertiesFrom(const AcDbEntity* other, bool) {
    Acad::ErrorStatus status = assertWriteEnabled();
    if (status != Acad::eOk) return status;
    if (other == nullptr) return Acad::eNullEntityPointer;
    status = other->assertReadEnabled();
    if (status != Acad::eOk) return status;
    if (database() != nullptr && other->database() != nullptr && database() != other->database()) {
        return Acad::eWrongDatabase;
    }
    layerId_ = other->layerId_;
    linetypeId_ = other->linetypeId_;
    colorIndex_ = other->colorIndex_;
    return Acad::eOk;
}
