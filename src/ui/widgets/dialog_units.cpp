#include "ui/widgets/dialog_units.h"

#include <QFontMetricsF>
#include <cmath>

DialogUnits::DialogUnits(const QFont &font) {
    const QFontMetricsF metrics(font);
    const QString alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    baseX_ = metrics.horizontalAdvance(alphabet) / alphabet.size();
    baseY_ = metrics.height();
}

int DialogUnits::X(int units) const {
    return static_cast<int>(std::lround(units * baseX_ / 4));
}
int DialogUnits::Y(int units) const {
    return static_cast<int>(std::lround(units * baseY_ / 8));
}

QRect DialogUnits::Rect(int x, int y, int width, int height) const {
    return QRect(X(x), Y(y), X(width), Y(height));
}
