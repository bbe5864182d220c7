#include "dbentity.h"

#include <cstdlib>

#include "acutmem.h"
#include "builtin_class.h"
#include "dbapserv.h"
#include "dbfiler.h"
#include "db_entity_dxf.h"
#include "dbsymtb.h"
#include "name_compare.h"
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
    if (db == nullptr || !isWriteEnabled()) return;
    layerId_ = db->clayer();
    if (linetypeId_.isNull()) linetypeId_ = db->byLayerLinetype();
}

Acad::ErrorStatus AcDbEntity::dwgOutFields(AcDbDwgFiler* filer) const {
    Acad::ErrorStatus status = AcDbObject::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writeHardPointerId(layerId_);
    filer->writeUInt16(colorIndex_);
    filer->writeHardPointerId(linetypeId_);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbEntity::dwgInFields(AcDbDwgFiler* filer) {
    Acad::ErrorStatus status = AcDbObject::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    AcDbHardPointerId layer, linetype;
    Adesk::UInt16 color = 256;
    filer->readHardPointerId(&layer);
    filer->readUInt16(&color);
    filer->readHardPointerId(&linetype);
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    if (color > 256) return Acad::eDwgObjectImproperlyRead;
    layerId_ = layer;
    colorIndex_ = color;
    linetypeId_ = linetype;
    return Acad::eOk;
}

// 100 "AcDbEntity", 8 the layer's name, then 6 the linetype's and 62 the colour when they are
// not BYLAYER.
Acad::ErrorStatus AcDbEntity::dxfOutFields(AcDbDxfFiler* filer) const {
    Acad::ErrorStatus status = AcDbObject::dxfOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writeString(AcDb::kDxfSubclass, L"AcDbEntity");
    filer->writeString(AcDb::kDxfLayerName, AcDbSymbolTable::recordName(layerId_).c_str());
    const std::wstring linetypeName = AcDbSymbolTable::recordName(linetypeId_);
    if (!linetypeName.empty() && !rvnhost::sameName(linetypeName, L"ByLayer")) {
        filer->writeString(AcDb::kDxfLinetypeName, linetypeName.c_str());
    }
    if (colorIndex_ != 256) filer->writeInt16(AcDb::kDxfColor, static_cast<Adesk::Int16>(colorIndex_));
    return filer->filerStatus();
}

// Groups of the section this host does not keep (paper space, lineweight, true colour ...) are
// passed over.
Acad::ErrorStatus AcDbEntity::dxfInFields(AcDbDxfFiler* filer) {
    Acad::ErrorStatus status = AcDbObject::dxfInFields(filer);
    if (status != Acad::eOk) return status;
    status = rvnhost::expectSubclass(filer, L"AcDbEntity");
    if (status != Acad::eOk) return status;
    return rvnhost::readSubclassGroups(filer, [&](const resbuf& group) {
        const ACHAR* text = group.resval.rstring;
        switch (group.restype) {
        case AcDb::kDxfLayerName:
            if (setLayer(text) != Acad::eOk) return filer->setError(Acad::eKeyNotFound, L"\nError: unknown layer %ls", text);
            return Acad::eOk;
        case AcDb::kDxfLinetypeName:
            if (setLinetype(text) != Acad::eOk) {
                return filer->setError(Acad::eKeyNotFound, L"\nError: unknown linetype %ls", text);
            }
            return Acad::eOk;
        case AcDb::kDxfColor:
            if (setColorIndex(static_cast<Adesk::UInt16>(std::abs(group.resval.rint))) != Acad::eOk) {
                return filer->setError(Acad::eBadColorIndex, L"\nError: colour %d", group.resval.rint);
            }
            return Acad::eOk;
        default:
            return Acad::eOk;
        }
    });
}
