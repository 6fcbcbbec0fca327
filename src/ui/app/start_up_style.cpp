#include "ui/app/start_up_style.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

namespace {

// A double chevron pointing right (or down), in the window text colour.
QIcon ExtensionArrows(bool down, const QColor &color) {
    constexpr int kSize = 16;
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, 1.5));
    if (down) {
        painter.translate(kSize, 0);
        painter.rotate(90);
    }
    for (const double x : {5.0, 9.0})
        painter.drawPolyline(QPolygonF({{x, 4.5}, {x + 3, 8}, {x, 11.5}}));
    return QIcon(pixmap);
}

} // namespace

QIcon CStartUpStyle::standardIcon(StandardPixmap icon, const QStyleOption *option,
                                  const QWidget *widget) const {
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
        return ExtensionArrows(icon == SP_ToolBarVerticalExtensionButton,
                               QApplication::palette().windowText().color());
    return QProxyStyle::standardIcon(icon, option, widget);
}

void CStartUpStyle::Install() {
    if (!qobject_cast<CStartUpStyle *>(QApplication::style()))
        QApplication::setStyle(new CStartUpStyle); // the application takes it
}
