#include "geometry_commands.h"

#include "insert_command.h"

#include "acedads.h"
#include "aced.h"
#include "acutmem.h"
#include "dbapserv.h"
#include "db3dpl.h"
#include "dbline.h"
#include "dbpl.h"
#include "dbsymtb.h"
#include "drawing_view.h"
#include "model_space_append.h"
#include "transcript.h"
#include "ucs.h"

#include <vector>

namespace rvnshell {
namespace {

constexpr wchar_t kGroup[] = L"ACAD_GEOMETRY";

void showError(const std::wstring& text) { rvnhost::Transcript::instance().add(rvnhost::TranscriptKind::Error, text); }

// Points typed one after the other, each prompt rubber-banding from the one before, until Return;
// "C" closes a figure when closable. False on Cancel.
bool askPoints(std::vector<AcGePoint3d>& points, bool closable, bool& closed) {
    closed = false;
    while (true) {
        const bool first = points.empty();
        acedInitGet(0, closable && points.size() >= 3 ? L"Close C" : nullptr);
        ads_point base{};
        if (!first) base[0] = points.back().x, base[1] = points.back().y, base[2] = points.back().z;
        ads_point picked{};
        const int result = acedGetPoint(first ? nullptr : base, first ? L"\nFirst point: " : L"\nNext point: ", picked);
        if (result == RTNONE) return true;
        if (result == RTKWORD) return closed = true, true;
        if (result != RTNORM) return false;
        points.push_back(rvnhost::ucsToWorld() * AcGePoint3d(picked[0], picked[1], picked[2]));
    }
}

void lineCommand() {
    std::vector<AcGePoint3d> points;
    bool closed = false;
    if (!askPoints(points, true, closed)) return;
    if (closed) points.push_back(points.front());
    for (std::size_t i = 1; i < points.size(); ++i) rvnhost::appendToModelSpace(new AcDbLine(points[i - 1], points[i]));
}

void polyline3dCommand() {
    std::vector<AcGePoint3d> points;
    bool closed = false;
    if (!askPoints(points, true, closed) || points.size() < 2) return;
    AcGePoint3dArray vertices;
    for (const AcGePoint3d& point : points) vertices.append(point);
    rvnhost::appendToModelSpace(new AcDb3dPolyline(AcDb::k3dSimplePoly, vertices, closed));
}

// A lightweight polyline in the XY plane of the WCS, at the elevation of its first point.
void polylineCommand() {
    std::vector<AcGePoint3d> points;
    bool closed = false;
    if (!askPoints(points, true, closed) || points.size() < 2) return;
    auto* polyline = new AcDbPolyline(static_cast<unsigned int>(points.size()));
    for (const AcGePoint3d& point : points) polyline->addVertexAt(polyline->numVerts(), AcGePoint2d(point.x, point.y));
    polyline->setElevation(points.front().z);
    polyline->setClosed(closed);
    rvnhost::appendToModelSpace(polyline);
}

void eraseCommand() {
    while (true) {
        ads_name entity{};
        ads_point at{};
        if (acedEntSel(L"\nSelect an object to erase: ", entity, at) != RTNORM) return;
        AcDbEntity* picked = nullptr;
        AcDbObjectId id;
        if (acdbGetObjectId(id, entity) != Acad::eOk || acdbOpenObject(picked, id, AcDb::kForWrite) != Acad::eOk) {
            showError(L"The object cannot be erased.");
            continue;
        }
        picked->erase();
        picked->close();
    }
}

void zoomCommand() {
    acedInitGet(0, L"Extents Window Center");
    ads_point corner{};
    ACHAR option[32] = L"";
    int result = acedGetPoint(nullptr, L"\nZOOM [Extents/Window/Center] <Extents>: ", corner);
    if (result == RTKWORD) acedGetInput(option);
    if (result == RTCAN || result == RTERROR) return;
    const std::wstring chosen = result == RTNONE ? L"Extents" : option;
    if (result == RTNORM || chosen == L"Window") {
        ads_point other{};
        if (result != RTNORM && acedGetPoint(nullptr, L"\nFirst corner: ", corner) != RTNORM) return;
        if (acedGetPoint(corner, L"\nOther corner: ", other) != RTNORM) return;
        rvnhost::zoomWindow(AcGePoint3d(corner[0], corner[1], 0.0), AcGePoint3d(other[0], other[1], 0.0));
    } else if (chosen == L"Center") {
        ads_real height = rvnhost::DrawingView::instance().height();
        if (acedGetPoint(nullptr, L"\nCenter point: ", corner) != RTNORM) return;
        const int answer = acedGetReal(L"\nHeight: ", &height);
        if (answer != RTNORM && answer != RTNONE) return;
        if (!rvnhost::DrawingView::instance().show(AcGePoint2d(corner[0], corner[1]), height)) {
            showError(L"The height of a view must be a positive number.");
        }
    } else {
        rvnhost::zoomExtents();
    }
}

}  // namespace

void registerGeometryCommands() {
    const Adesk::Int32 flags = ACRX_CMD_MODAL;
    acedRegCmds->addCommand(kGroup, L"LINE", L"LINE", flags, lineCommand);
    acedRegCmds->addCommand(kGroup, L"3DPOLY", L"3DPOLY", flags, polyline3dCommand);
    acedRegCmds->addCommand(kGroup, L"PLINE", L"PLINE", flags, polylineCommand);
    acedRegCmds->addCommand(kGroup, L"INSERT", L"INSERT", flags, insertCommand);
    acedRegCmds->addCommand(kGroup, L"ERASE", L"ERASE", flags, eraseCommand);
    acedRegCmds->addCommand(kGroup, L"ZOOM", L"ZOOM", flags, zoomCommand);
}

void removeGeometryCommands() { acedRegCmds->removeGroup(kGroup); }

}  // namespace rvnshell
