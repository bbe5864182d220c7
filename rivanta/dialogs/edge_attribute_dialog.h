// The branch dialog: length (from the polyline, never typed), diameter and roughness (in the
// network's display units), local loss coefficient and description of one branch.
#pragma once

#include "dialogs/element_attribute_dialog.h"

#include <string>

class TzRvnEdgeAttributeDlg : public TzRvnElementAttributeDlg {
public:
    TzRvnEdgeAttributeDlg(CWnd* parent, int mode);

    double length = 0.0;
    double diameter = 0.0;   // 0: starts at 1 display unit
    double roughness = 0.0;  // 0: starts at the settings' default roughness
    double csi = 0.0;
    std::wstring description;

protected:
    bool PrepareFields() override;
};
