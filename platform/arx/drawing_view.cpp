#include "drawing_view.h"

#include "adscodes.h"
#include "db_entity_extents.h"
#include "dbentity.h"
#include "dbmain.h"
#include "dbsymtb.h"
#include "sysvars.h"
#include "transcript.h"

#include <algorithm>
#include <cmath>

namespace rvnhost {
namespace {

// The view window's place on a 1920 x 1080 screen, below the host's menus and toolbars.
constexpr RECT kViewWindow{0, 64, 1280, 864};

LONG widthOf(const RECT& rect) { return rect.right - rect.left; }
LONG heightOf(const RECT& rect) { return rect.bottom - rect.top; }

resbuf pointValue(short type, double x, double y, double z) {
    resbuf value{};
    value.restype = type;
    value.resval.rpoint[0] = x;
    value.resval.rpoint[1] = y;
    value.resval.rpoint[2] = z;
    return value;
}

void defineViewVariables(const DrawingView& view) {
    defineVariable(L"VIEWCTR", [&view](resbuf& result) {
        result = pointValue(RT3DPOINT, view.centre().x, view.centre().y, 0.0);
        return RTNORM;
    });
    defineVariable(L"VIEWSIZE", [&view](resbuf& result) {
        result = resbuf{};
        result.restype = RTREAL;
        result.resval.rreal = view.height();
        return RTNORM;
    });
    defineVariable(L"SCREENSIZE", [](resbuf& result) {
        result = pointValue(RTPOINT, widthOf(kViewWindow), heightOf(kViewWindow), 0.0);
        return RTNORM;
    });
}

}  // namespace

DrawingView::DrawingView() {
    window_.Create(L"AfxFrameOrView", L"", WS_CHILD | WS_VISIBLE, kViewWindow, nullptr, 0);
    window_.SetWindowPos(nullptr, kViewWindow.left, kViewWindow.top, widthOf(kViewWindow), heightOf(kViewWindow), 0);
    defineViewVariables(*this);
}

DrawingView& DrawingView::instance() {
    static DrawingView view;
    return view;
}

bool DrawingView::show(const AcGePoint2d& centre, double height) {
    if (!(height > 0.0) || !std::isfinite(height) || !std::isfinite(centre.x) || !std::isfinite(centre.y)) return false;
    centre_ = centre;
    height_ = height;
    return true;
}

double DrawingView::pixelSize() const { return height_ / heightOf(kViewWindow); }

CPoint DrawingView::pixelOf(const AcGePoint3d& point) const {
    const double x = widthOf(kViewWindow) / 2.0 + (point.x - centre_.x) / pixelSize();
    const double y = heightOf(kViewWindow) / 2.0 - (point.y - centre_.y) / pixelSize();
    return CPoint(static_cast<LONG>(std::lround(x)), static_cast<LONG>(std::lround(y)));
}

void DrawingView::redraw(const RedrawRequest& request) {
    if (request.entity.isNull()) vectors_.clear();
    redraws_.push_back(request);
}

void zoomWindow(const AcGePoint3d& corner, const AcGePoint3d& other) {
    const double width = std::abs(other.x - corner.x);
    const double height = std::abs(other.y - corner.y);
    const double aspect = static_cast<double>(widthOf(kViewWindow)) / heightOf(kViewWindow);
    const AcGePoint2d centre((corner.x + other.x) / 2.0, (corner.y + other.y) / 2.0);
    DrawingView::instance().show(centre, std::max(height, width / aspect));
}

void zoomExtents() {
    AcDbDatabase* database = workingDatabase();
    AcDbBlockTable* blocks = nullptr;
    if (database == nullptr || database->getSymbolTable(blocks, AcDb::kForRead) != Acad::eOk) return;
    AcDbBlockTableRecord* space = nullptr;
    const Acad::ErrorStatus opened = blocks->getAt(ACDB_MODEL_SPACE, space, AcDb::kForRead);
    blocks->close();
    if (opened != Acad::eOk) return;
    AcDbExtents extents;
    for (AcDbObjectId id : space->entityIds()) {
        AcDbEntity* entity = nullptr;
        if (id.isErased() || acdbOpenObject(entity, id, AcDb::kForRead) != Acad::eOk) continue;
        AcDbExtents own;
        if (entity->getGeomExtents(own) == Acad::eOk) extents.addExt(own);
        entity->close();
    }
    space->close();
    if (!extents.isEmpty()) zoomWindow(extents.minPoint(), extents.maxPoint());
}

}  // namespace rvnhost

using rvnhost::DrawingView;

CView* acedGetAcadDwgView() { return &DrawingView::instance().window(); }

bool acedCoordFromWorldToPixel(int windnum, const AcGePoint3d& point, CPoint& pixel) {
    if (windnum != -1 && windnum != 0) return false;
    pixel = DrawingView::instance().pixelOf(point);
    return true;
}

bool acedCoordFromWorldToPixel(int windnum, const ads_point point, CPoint& pixel) {
    return acedCoordFromWorldToPixel(windnum, AcGePoint3d(point[0], point[1], point[2]), pixel);
}

int acedGrDraw(const ads_point from, const ads_point to, int colour, int highlight) {
    DrawingView::instance().draw({AcGePoint3d(from[0], from[1], from[2]), AcGePoint3d(to[0], to[1], to[2]), colour,
                                  highlight != 0});
    return RTNORM;
}

int acedRedraw(const ads_name entity, int mode) {
    AcDbObjectId id;
    const bool wholeView = entity == nullptr || (entity[0] == 0 && entity[1] == 0);
    if (wholeView ? (mode < 0 || mode > 1) : (mode < 1 || mode > 4)) return RTERROR;
    if (!wholeView && (acdbGetObjectId(id, entity) != Acad::eOk || id.isErased())) return RTERROR;
    DrawingView::instance().redraw({id, mode});
    return RTNORM;
}

void acedPostCommandPrompt() {
    rvnhost::Transcript::instance().add(rvnhost::TranscriptKind::Prompt, L"\nCommand: ");
}
