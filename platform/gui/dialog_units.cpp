#include "dialog_units.h"

#include <QApplication>
#include <QFontMetrics>

namespace rvngui {

DialogUnitScale::DialogUnitScale(const QFont& font) {
    const QFontMetrics metrics(font);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    baseWidth_ = (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
    baseHeight_ = metrics.height();
}

int DialogUnitScale::width(int units) const { return units * baseWidth_ / 4; }

int DialogUnitScale::height(int units) const { return units * baseHeight_ / 8; }

QRect DialogUnitScale::toPixels(const rvnhost::DialogUnits& units) const {
    return QRect(width(units.x), height(units.y), width(units.width), height(units.height));
}

QFont dialogFont(const rvnhost::DialogTemplate& form) {
    QFont font = QApplication::font();
    if (form.fontSize > 0) font.setPointSize(form.fontSize);
    return font;
}

}  // namespace rvngui
