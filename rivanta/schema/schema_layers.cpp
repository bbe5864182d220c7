#include "schema/schema_layers.h"

#include "dbsymtb.h"
#include "host/open_object.h"
#include "schema/schema_names.h"

namespace {

struct LayerLook {
    int colourIndex;
    bool hidden;  // frozen and off
};

Acad::ErrorStatus getOrCreate(AcDbDatabase* database, std::wstring_view name, const LayerLook& look,
                              AcDbObjectId& layerId) {
    if (database == nullptr) return Acad::eNoDatabase;
    Acad::ErrorStatus status = FindLayer(database, name, layerId);
    if (status != Acad::eKeyNotFound) return status;
    TzRvnOpenObject<AcDbLayerTable> layers;
    status = layers.take(database->getSymbolTable(layers.slot(), AcDb::kForWrite));
    if (status != Acad::eOk) return status;
    auto layer = std::make_unique<AcDbLayerTableRecord>();
    const std::wstring text(name);
    status = layer->setName(text.c_str());
    if (status == Acad::eOk) status = layer->setColorIndex(static_cast<Adesk::Int16>(look.colourIndex));
    if (status == Acad::eOk) status = layer->setLinetypeObjectId(database->continuousLinetype());
    if (status != Acad::eOk) return status;
    layer->setIsFrozen(look.hidden);
    layer->setIsOff(look.hidden);
    layer->setIsLocked(false);
    layer->setVPDFLT(false);
    status = layers->add(layerId, layer.get());
    if (status != Acad::eOk) return status;
    return layer.release()->close();
}

}  // namespace

std::wstring NetworkLayerName(std::wstring_view networkName) {
    return std::wstring(rvnschema::kNetworkLayerPrefix) + std::wstring(networkName);
}

std::wstring OffLayerName(std::wstring_view networkLayer) {
    return std::wstring(networkLayer) + std::wstring(rvnschema::kOffLayerSuffix);
}

bool IsNetworkLayerName(std::wstring_view layerName) {
    return layerName.size() > rvnschema::kNetworkLayerPrefix.size() &&
           layerName.starts_with(rvnschema::kNetworkLayerPrefix);
}

std::wstring NetworkNameOfLayer(std::wstring_view layerName) {
    if (!IsNetworkLayerName(layerName)) return {};
    return std::wstring(layerName.substr(rvnschema::kNetworkLayerPrefix.size()));
}

Acad::ErrorStatus GetOrCreateLayer(AcDbDatabase* database, std::wstring_view name, AcDbObjectId& layerId) {
    return getOrCreate(database, name, {7, false}, layerId);
}

Acad::ErrorStatus EnsureColouredLayer(AcDbDatabase* database, std::wstring_view name, int colourIndex) {
    AcDbObjectId layerId;
    return getOrCreate(database, name, {colourIndex, false}, layerId);
}

Acad::ErrorStatus GetOrCreateOffLayer(AcDbDatabase* database, std::wstring_view name, AcDbObjectId& layerId) {
    return getOrCreate(database, name, {7, true}, layerId);
}

Acad::ErrorStatus FindLayer(AcDbDatabase* database, std::wstring_view name, AcDbObjectId& layerId) {
    layerId.setNull();
    if (database == nullptr) return Acad::eNoDatabase;
    TzRvnOpenObject<AcDbLayerTable> layers;
    Acad::ErrorStatus status = layers.take(database->getSymbolTable(layers.slot(), AcDb::kForRead));
    if (status != Acad::eOk) return status;
    return layers->getAt(std::wstring(name).c_str(), layerId);
}

std::wstring LayerName(AcDbObjectId layerId) {
    TzRvnOpenObject<AcDbLayerTableRecord> layer(layerId, AcDb::kForRead);
    std::wstring name;
    if (layer.isOpen()) layer->getName(name);
    return name;
}

bool IsLayerHidden(AcDbObjectId layerId) {
    TzRvnOpenObject<AcDbLayerTableRecord> layer(layerId, AcDb::kForRead);
    return layer.isOpen() && (layer->isFrozen() || layer->isOff());
}
