#include "dialogs/schema_pick.h"

#include "acedads.h"
#include "analysis/jobs/calc_schema.h"
#include "db3dpl.h"
#include "dbapserv.h"
#include "dbblkref.h"
#include "dbsymtb.h"
#include "dialogs/network_database_texts.h"
#include "drawing_view.h"
#include "frame/command_line.h"
#include "host/open_object.h"
#include "schema/branch_data.h"
#include "schema/schema_layers.h"
#include "schema/schema_names.h"

#include <string>

namespace Text = TzRvnDatiReteText;

namespace {

enum class Verdict { element, again, end };

bool onNetworkLayer(const AcDbEntity& entity, std::wstring& layerName) {
    TzRvnOpenObject<AcDbLayerTableRecord> layer(entity.layerId(), AcDb::kForRead);
    return layer.isOpen() && layer->getName(layerName) == Acad::eOk && IsNetworkLayerName(layerName);
}

Verdict said(const wchar_t* message, Verdict verdict) {
    PrintMessage(message);
    return verdict;
}

Verdict judgeBlock(const AcDbBlockReference& reference, std::wstring& layerName) {
    TzRvnOpenObject<AcDbBlockTableRecord> block(reference.blockTableRecord(), AcDb::kForRead);
    std::wstring name;
    if (!block.isOpen() || block->getName(name) != Acad::eOk) return said(Text::kBlockNotRead, Verdict::end);
    if (name != rvnschema::kNodeBlockName && name != rvnschema::kTankBlockName) {
        return said(Text::kBlockNotInNetwork, Verdict::again);
    }
    if (!onNetworkLayer(reference, layerName)) return said(Text::kBlockLayerInvalid, Verdict::again);
    return Verdict::element;
}

Verdict judgePolyline(const AcDb3dPolyline& polyline, std::wstring& layerName) {
    if (polyline.isClosed()) return said(Text::kPolylineNotOpen, Verdict::again);
    if (polyline.polyType() != AcDb::k3dSimplePoly) return said(Text::kPolylineNotSimple, Verdict::again);
    if (!HasBranchData(polyline)) return said(Text::kPolylineNotInNetwork, Verdict::again);
    if (!onNetworkLayer(polyline, layerName)) return said(Text::kPolylineLayerInvalid, Verdict::again);
    return Verdict::element;
}

Verdict judge(AcDbObjectId id, std::wstring& layerName) {
    TzRvnOpenObject<AcDbEntity> entity(id, AcDb::kForRead);
    if (!entity.isOpen()) return said(Text::kEntityNotReadable, Verdict::end);
    if (const auto* reference = AcDbBlockReference::cast(entity.get())) return judgeBlock(*reference, layerName);
    const auto* polyline = AcDb3dPolyline::cast(entity.get());
    if (polyline != nullptr && entity->isA() == AcDb3dPolyline::desc()) return judgePolyline(*polyline, layerName);
    return said(Text::kBlockOrPolylineWanted, Verdict::again);
}

// Picks until an element of a network is picked; false when the pick ends without one.
bool pickNetworkLayer(std::wstring& layerName) {
    while (true) {
        ads_name entity{};
        ads_point at{};
        const int result = acedEntSel(Text::kPickPrompt, entity, at);
        if (result == RTCAN) return false;
        if (result != RTNORM) {
            PrintMessage(Text::kPickMissed);
            continue;
        }
        AcDbObjectId id;
        if (acdbGetObjectId(id, entity) != Acad::eOk) return said(Text::kNoEntityId, Verdict::end), false;
        const Verdict verdict = judge(id, layerName);
        if (verdict != Verdict::again) return verdict == Verdict::element;
    }
}

}  // namespace

TzRvnSchemaPick PickSchemaNetwork(AcDbObjectId& network) {
    AcDbDatabase* database = acdbHostApplicationServices()->workingDatabase();
    RegisterSchemaApplication(database);
    std::wstring layerName;
    if (!pickNetworkLayer(layerName)) return TzRvnSchemaPick::none;
    const std::wstring name = layerName.substr(std::wstring_view(rvnschema::kNetworkLayerPrefix).size());
    std::wstring message;
    switch (FindOrMakeNetwork(database, name, network, message)) {
        case TzRvnNetworkLookup::found:
        case TzRvnNetworkLookup::madeFromSchema: break;
        case TzRvnNetworkLookup::noSettings:
            PrintMessage(Text::kPickedSettingsNotRead);
            return TzRvnSchemaPick::stop;
        case TzRvnNetworkLookup::missing:
            PrintMessage(Text::kPickedNetworkNotFound);
            return TzRvnSchemaPick::stop;
    }
    if (!RebuildNetworkFromSchema(database, network, name).empty()) {
        acedPostCommandPrompt();
        return TzRvnSchemaPick::stop;
    }
    return TzRvnSchemaPick::network;
}
