#include "dbentity.h"

#include "acutmem.h"
#include "builtin_class.h"
#include "dbapserv.h"
#include "dbfiler.h"
#include "dbsymtb.h"
#include "object_access.h"

RVN_DEFINE_BUILTIN_MEMBERS(AcDbEntity)

ACHAR* AcDbEntity::layer() const {
    if (!isReadEnabled() || layerId_.isNull()) return nullptr;
    ACHAR* name = nullptr;
    acutNewString(AcDbSymbolTable::recordName(layerId_).c_str(), name);
    return name;
}

Acad::ErrorStatus AcDbEntity::setLayer(const ACHAR* newLayer, bool doSubents, bool allowHiddenLayer) {
    Acad::ErrorStatus status = assertWriteEnabled();
    if (status != Acad::eOk) return status;
    if (newLayer == nullptr) return Acad::eInvalidInput;
    AcDbDatabase* db = database() != nullptr ? database() : acdbHostApplicationServices()->workingDatabase();
    if (db == nullptr) return Acad::eNoDatabase;
    auto* table = static_cast<AcDbSymbolTable*>(rvnhost::ObjectAccess::peek(db->layerTableId()));
    AcDbObjectId layer = table != nullptr ? table->findRecord(newLayer, false) : AcDbObjectId();
    if (layer.isNull()) return Acad::eKeyNotFound;
    return setLayer(layer, doSubents, allowHiddenLayer);
}

Acad::ErrorStatus AcDbEntity::setLayer(AcDbObjectId newLayer, bool, bool) {
    Acad::ErrorStatus status = assertWriteEnabled();
    if (status != Acad::eOk) return status;
    if (newLayer.isNull() || newLayer.isErased() ||
        AcDbLayerTableRecord::cast(rvnhost::ObjectAccess::peek(newLayer)) == nullptr) {
        return Acad::eInvalidInput;
    }
    if (database() != nullptr && newLayer.database() != database()) return Acad::eWrongDatabase;
    layerId_ = newLayer;
    return Acad::eOk;
}

void AcDbEntity::setDatabaseDefaults(AcDbDatabase* db) {
    if (db == nullptr) db = database() != nullptr ? database() : acdbHostApplicationServices()->workingDatabase();
    if (db != nullptr && isWriteEnabled()) layerId_ = db->clayer();
}

Acad::ErrorStatus AcDbEntity::dwgOutFields(AcDbDwgFiler* filer) const {
    Acad::ErrorStatus status = AcDbObject::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writeHardPointerId(layerId_);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbEntity::dwgInFields(AcDbDwgFiler* filer) {
    Acad::ErrorStatus status = AcDbObject::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    AcDbHardPointerId layer;
    filer->readHardPointerId(&layer);
    if (filer->filerStatus() == Acad::eOk) layerId_ = layer;
    return filer->filerStatus();
}

// 100 "AcDbEntity", 8 (the layer's name).
Acad::ErrorStatus AcDbEntity::dxfOutFields(AcDbDxfFiler* filer) const {
    Acad::ErrorStatus status = AcDbObject::dxfOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writeString(AcDb::kDxfSubclass, L"AcDbEntity");
    filer->writeString(AcDb::kDxfLayerName, AcDbSymbolTable::recordName(layerId_).c_str());
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbEntity::dxfInFields(AcDbDxfFiler* filer) {
    Acad::ErrorStatus status = AcDbObject::dxfInFields(filer);
    if (status != Acad::eOk) return status;
    if (!filer->atSubclassData(L"AcDbEntity")) return Acad::eBadDxfSequence;
    resbuf group{};
    while (!filer->atObjectEnd() && filer->readItem(&group) == Acad::eOk) {
        if (group.restype != AcDb::kDxfLayerName) {
            filer->pushBackItem();
            break;
        }
        status = setLayer(group.resval.rstring);
        if (status != Acad::eOk) {
            return filer->setError(status, L"\nError: unknown layer %ls", group.resval.rstring);
        }
    }
    return filer->filerStatus();
}
