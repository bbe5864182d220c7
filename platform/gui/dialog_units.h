// Dialog units in pixels, as the operating system measures them: a horizontal unit is a quarter
// of the dialog font's average character width (the mean advance of the 52 Latin letters), a
// vertical unit an eighth of its height. Controls laid out in units keep their proportions to the
// text whatever font presents them.
#pragma once

#include "resource_script.h"

#include <QFont>
#include <QRect>

namespace rvngui {

class DialogUnitScale {
public:
    explicit DialogUnitScale(const QFont& font);
    QRect toPixels(const rvnhost::DialogUnits& units) const;
    int width(int units) const;
    int height(int units) const;

private:
    int baseWidth_;
    int baseHeight_;
};

// The dialog's font: the template's point size in the application's font family (the template
// names a family of another system).
QFont dialogFont(const rvnhost::DialogTemplate& form);

}  // namespace rvngui
