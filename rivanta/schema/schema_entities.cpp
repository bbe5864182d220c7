#include "schema/schema_entities.h"

#include "db3dpl.h"
#include "dbblkref.h"
#include "host/open_object.h"
#include "schema/model_space.h"
#include "schema/schema_layers.h"

#include <memory>

namespace {

constexpr int kAttributeLayerColour = 7;

Acad::ErrorStatus ensureAttributeLayers(AcDbDatabase* database, const TzRvnSchemaBlock& block,
                                        std::wstring_view networkLayer) {
    for (const rvnschema::AttributeLayer& layer : block.tags) {
        const Acad::ErrorStatus status = EnsureColouredLayer(
            database, std::wstring(networkLayer) + std::wstring(layer.suffix), kAttributeLayerColour);
        if (status != Acad::eOk) return status;
    }
    return Acad::eOk;
}

// Erases the entity just made when the status tells that it could not be completed.
Acad::ErrorStatus eraseUnlessDone(AcDbObjectId id, Acad::ErrorStatus status) {
    if (status == Acad::eOk) return status;
    TzRvnOpenObject<AcDbEntity> entity(id, AcDb::kForWrite);
    if (entity.isOpen()) entity->erase();
    return status;
}

}  // namespace

Acad::ErrorStatus AppendSchemaReference(AcDbDatabase* database, const TzRvnSchemaBlock& block, AcDbObjectId blockId,
                                        const AcGePoint3d& position, double angle, std::wstring_view networkLayer,
                                        const std::vector<TzRvnTaggedText>& texts, AcDbObjectId& referenceId) {
    AcDbObjectId layerId;
    Acad::ErrorStatus status = FindLayer(database, networkLayer, layerId);
    if (status == Acad::eOk) status = ensureAttributeLayers(database, block, networkLayer);
    if (status != Acad::eOk) return status;
    auto made = std::make_unique<AcDbBlockReference>(position, blockId);
    status = made->setRotation(angle);
    if (status == Acad::eOk) status = made->setLayer(layerId);
    if (status == Acad::eOk) status = AppendToModelSpace(database, made.get(), referenceId);
    if (status != Acad::eOk) return status;
    TzRvnOpenObject<AcDbBlockReference> reference;
    reference.slot() = made.release();
    status = AddBlockAttributes(*reference, networkLayer, block.tags, texts);
    reference.close();
    return eraseUnlessDone(referenceId, status);
}

Acad::ErrorStatus AppendBranchPolyline(AcDbDatabase* database, const std::vector<AcGePoint3d>& points,
                                       AcDbObjectId layerId, const TzRvnBranchData& data, AcDbObjectId& branchId) {
    Acad::ErrorStatus status = RegisterSchemaApplication(database);
    if (status != Acad::eOk) return status;
    AcGePoint3dArray vertices;
    for (const AcGePoint3d& point : points) vertices.append(point);
    auto made = std::make_unique<AcDb3dPolyline>(AcDb::k3dSimplePoly, vertices);
    status = made->setLayer(layerId);
    if (status == Acad::eOk) status = AppendToModelSpace(database, made.get(), branchId);
    if (status != Acad::eOk) return status;
    TzRvnOpenObject<AcDb3dPolyline> polyline;
    polyline.slot() = made.release();
    status = WriteBranchData(*polyline, data);
    polyline.close();
    return eraseUnlessDone(branchId, status);
}
