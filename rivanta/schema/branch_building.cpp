#include "schema/branch_building.h"

#include "acedads.h"
#include "db3dpl.h"
#include "dbmain.h"
#include "dialogs/edge_attribute_dialog.h"
#include "drawing_view.h"
#include "frame/command_line.h"
#include "host/open_object.h"
#include "network/settings_units.h"
#include "schema/branch_data.h"
#include "schema/model_space.h"
#include "schema/node_elevation.h"
#include "schema/polyline_vertices.h"
#include "schema/rounding.h"
#include "schema/schema_layers.h"
#include "schema/schema_texts.h"
#include "sysvars.h"

#include <cmath>
#include <memory>

namespace {

constexpr int kInsertion = 0;

AcGePoint3d worldPoint(const AcGePoint3d& ucsPoint, const AcGeMatrix3d& ucsToWorld, bool atLastElevation) {
    const double z = atLastElevation ? LastNodeElevation() : ucsPoint.z;
    return ucsToWorld * AcGePoint3d(ucsPoint.x, ucsPoint.y, z);
}

double planLength(const std::vector<TzRvnVertex>& vertices) {
    double length = 0.0;
    for (std::size_t i = 1; i < vertices.size(); ++i) {
        const double dx = vertices[i].position.x - vertices[i - 1].position.x;
        const double dy = vertices[i].position.y - vertices[i - 1].position.y;
        length += std::sqrt(dx * dx + dy * dy);
    }
    return length;
}

bool eraseBranch(AcDbObjectId id) {
    TzRvnOpenObject<AcDbEntity> branch(id, AcDb::kForWrite);
    return branch.isOpen() && branch->erase() == Acad::eOk;
}

// The branch's length in plan; false (said) when it cannot be read.
bool measure(AcDbObjectId branch, double& length) {
    TzRvnOpenObject<AcDb3dPolyline> polyline(branch, AcDb::kForRead);
    if (!polyline.isOpen()) return PrintMessage(rvntext::kPolylineNotOpened1), false;
    std::vector<TzRvnVertex> vertices;
    if (!ReadPolylineVertices(*polyline, vertices)) return PrintMessage(rvntext::kVertexNotOpened), false;
    length = RoundToDecimals(planLength(vertices), rvnhost::integerVariable(L"LUPREC", 4));
    return true;
}

}  // namespace

bool StartBranch(const AcGePoint3d& ucsPoint, const AcGeMatrix3d& ucsToWorld, AcDbDatabase* database,
                 std::wstring_view networkLayer, std::vector<AcDbObjectId>& branches) {
    AcGePoint3dArray first;
    first.append(worldPoint(ucsPoint, ucsToWorld, true));
    auto made = std::make_unique<AcDb3dPolyline>(AcDb::k3dSimplePoly, first);
    AcDbObjectId layerId;
    if (FindLayer(database, networkLayer, layerId) != Acad::eOk || made->setLayer(layerId) != Acad::eOk) {
        return PrintMessage(rvntext::kBranchLayerRefused), false;
    }
    AcDbObjectId id;
    if (AppendToModelSpace(database, made.get(), id) != Acad::eOk) return PrintMessage(rvntext::kBranchNotInserted), false;
    made.release()->close();
    branches.push_back(id);
    return true;
}

bool AppendBranchVertex(const AcGePoint3d& ucsPoint, const AcGeMatrix3d& ucsToWorld,
                        std::vector<AcDbObjectId>& branches, bool keepElevation) {
    if (branches.empty()) return false;
    {
        TzRvnOpenObject<AcDb3dPolyline> polyline(branches.back(), AcDb::kForWrite);
        if (!polyline.isOpen()) return PrintMessage(rvntext::kPolylineNotOpened), false;
        auto vertex = std::make_unique<AcDb3dPolylineVertex>(worldPoint(ucsPoint, ucsToWorld, keepElevation));
        if (polyline->appendVertex(vertex.get()) == Acad::eOk) {
            vertex.release()->close();
            return true;
        }
    }
    PrintMessage(rvntext::kVertexNotAppended);
    EraseLastBranch(branches);
    return false;
}

bool AttachBranchData(const AcGePoint3d& ucsDialogPoint, const AcGeMatrix3d& ucsToWorld, const TzRvnSettings& settings,
                      AcDbObjectId branch) {
    double length = 0.0;
    if (!measure(branch, length)) return false;
    TzRvnEdgeAttributeDlg dialog(nullptr, kInsertion);
    dialog.length = length;
    CPoint screen;
    acedCoordFromWorldToPixel(-1, ucsToWorld * ucsDialogPoint, screen);
    acedGetAcadDwgView()->ClientToScreen(&screen);
    dialog.SetPosition(screen.x, screen.y);
    if (dialog.DoModal() != IDOK) return false;
    const TzRvnBranchData data{dialog.length, dialog.diameter * DiameterUnitFactor(settings.diameterUnit),
                               dialog.roughness * RoughnessUnitFactor(settings.roughnessUnit), dialog.csi,
                               dialog.description};
    TzRvnOpenObject<AcDb3dPolyline> polyline(branch, AcDb::kForWrite);
    if (!polyline.isOpen()) return PrintMessage(rvntext::kPolylineNotOpened2), false;
    return RegisterSchemaApplication(polyline->database()) == Acad::eOk && WriteBranchData(*polyline, data) == Acad::eOk;
}

bool SetLastVertexElevation(const std::vector<AcDbObjectId>& branches) {
    if (branches.empty()) return false;
    TzRvnOpenObject<AcDb3dPolyline> polyline(branches.back(), AcDb::kForRead);
    std::vector<TzRvnVertex> vertices;
    if (!polyline.isOpen() || !ReadPolylineVertices(*polyline, vertices) || vertices.empty()) return false;
    AcDb3dPolylineVertex* last = nullptr;
    if (polyline->openVertex(last, vertices.back().id, AcDb::kForWrite) != Acad::eOk) return false;
    TzRvnOpenObject<AcDb3dPolylineVertex> vertex;
    vertex.slot() = last;
    const AcGePoint3d at = vertex->position();
    return vertex->setPosition(AcGePoint3d(at.x, at.y, LastNodeElevation())) == Acad::eOk;
}

bool RedrawBranch(const std::vector<AcDbObjectId>& branches) {
    ads_name name{};
    if (branches.empty() || acdbGetAdsName(name, branches.back()) != Acad::eOk || acedRedraw(name, 1) != RTNORM) {
        return PrintMessage(rvntext::kBranchNotRedrawn), false;
    }
    return true;
}

void EraseLastBranch(std::vector<AcDbObjectId>& branches) {
    if (branches.empty()) return;
    if (!eraseBranch(branches.back())) PrintMessage(rvntext::kPolylineNotOpened);
    branches.pop_back();
}
