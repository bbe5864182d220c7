// The drawing view: the window the host shows the drawing in, and what it shows of it. The view
// looks at the XY plane of the WCS; its centre and height are drawing units, its size pixels, its
// window has a place on the screen. VIEWCTR, VIEWSIZE and SCREENSIZE report it (read-only).
// Temporary vectors (acedGrDraw) and redraws (acedRedraw) are kept for the windowed host to draw
// and for tests to read.
#pragma once

#include "adsdef.h"
#include "afx_view.h"
#include "dbid.h"
#include "gepnt2d.h"
#include "gepnt3d.h"

#include <vector>

// The host's drawing view window.
CView* acedGetAcadDwgView();
// The pixel of the view (from its top-left corner) where a WCS point appears. windnum -1: the
// current viewport, the only one. False for another viewport number.
bool acedCoordFromWorldToPixel(int windnum, const ads_point point, CPoint& pixel);
bool acedCoordFromWorldToPixel(int windnum, const AcGePoint3d& point, CPoint& pixel);
// Draws a temporary vector in colour (0-255; -1 the background colour, erasing), highlighted when
// highlight is not 0. RTNORM.
int acedGrDraw(const ads_point from, const ads_point to, int colour, int highlight);
// Without an entity: redraws the view (mode 0, or 1 after a regeneration) and takes the temporary
// vectors away. With an entity:
// redraws it (1), erases it from the view (2), highlights it (3) or not (4). RTERROR for an entity
// that does not exist or a mode out of range.
int acedRedraw(const ads_name entity, int mode);
// Shows the command prompt again after a command has written over it.
void acedPostCommandPrompt();

namespace rvnhost {

struct TemporaryVector {
    AcGePoint3d from;
    AcGePoint3d to;
    int colour;
    bool highlighted;
};

struct RedrawRequest {
    AcDbObjectId entity;  // null: the whole view
    int mode;
};

class DrawingView {
public:
    static DrawingView& instance();

    AcGePoint2d centre() const { return centre_; }
    double height() const { return height_; }
    // Shows height drawing units around centre; a height that is not positive is refused.
    bool show(const AcGePoint2d& centre, double height);
    CPoint pixelOf(const AcGePoint3d& point) const;
    // Drawing units per pixel.
    double pixelSize() const;
    CView& window() { return window_; }

    const std::vector<TemporaryVector>& temporaryVectors() const { return vectors_; }
    const std::vector<RedrawRequest>& redraws() const { return redraws_; }
    void draw(const TemporaryVector& vector) { vectors_.push_back(vector); }
    void redraw(const RedrawRequest& request);

private:
    DrawingView();

    CView window_;
    AcGePoint2d centre_{0.0, 0.0};
    double height_ = 100.0;
    std::vector<TemporaryVector> vectors_;
    std::vector<RedrawRequest> redraws_;
};

// ZOOM's two ways beside a centre and a height: a window given by two corners (WCS, its whole
// height shown, and its width where the view is narrower), and the extents of model space
// (nothing changes for an empty model space).
void zoomWindow(const AcGePoint3d& corner, const AcGePoint3d& other);
void zoomExtents();

}  // namespace rvnhost
