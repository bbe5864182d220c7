// Entities: the objects of a drawing that are drawn. Each lies on a layer.
#pragma once

#include "dbobject.h"

class AcDbEntity : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbEntity);

    // The layer's name as a new string (free it with acutDelString), or null without a layer.
    ACHAR* layer() const;
    AcDbObjectId layerId() const { return layerId_; }
    // By name, in the entity's database (the working database for a new entity): eKeyNotFound
    // when there is no such layer. Both need the entity open for write.
    Acad::ErrorStatus setLayer(const ACHAR* newLayer, bool doSubents = true, bool allowHiddenLayer = false);
    Acad::ErrorStatus setLayer(AcDbObjectId newLayer, bool doSubents = true, bool allowHiddenLayer = false);
    // Takes the database's current layer (the working database when db is null).
    void setDatabaseDefaults(AcDbDatabase* db = nullptr);

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

protected:
    AcDbEntity() = default;

private:
    AcDbObjectId layerId_;
};
