#include "ui/app/artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

// Outside any namespace, as the macro requires.
static void InitApplicationIcons() {
    Q_INIT_RESOURCE(app_icons);
}

namespace {

constexpr int kScale = 2; // drawn at twice the 16 x 15 size for sharp high-DPI toolbars

QPixmap Canvas(int width, int height) {
    QPixmap pixmap(width * kScale, height * kScale);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void DrawPage(QPainter &p) {
    QPainterPath page;
    page.moveTo(3, 1);
    page.lineTo(10, 1);
    page.lineTo(13, 4);
    page.lineTo(13, 14);
    page.lineTo(3, 14);
    page.closeSubpath();
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.drawLine(QPointF(10, 1), QPointF(10, 4));
    p.drawLine(QPointF(10, 4), QPointF(13, 4));
}

void DrawFolder(QPainter &p) {
    p.setPen(QPen(QColor(120, 90, 20), 1));
    p.setBrush(QColor(240, 200, 90));
    p.drawRect(QRectF(1, 4, 13, 9));
    p.setBrush(QColor(250, 220, 120));
    QPolygonF flap({QPointF(3, 7), QPointF(15, 7), QPointF(13, 13), QPointF(1, 13)});
    p.drawPolygon(flap);
    p.drawRect(QRectF(1, 2.5, 5, 1.5));
}

void DrawDisk(QPainter &p) {
    p.setPen(QPen(QColor(20, 40, 90), 1));
    p.setBrush(QColor(60, 90, 170));
    p.drawRect(QRectF(1.5, 1.5, 12, 12));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4, 1.5, 7, 5));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(4, 9, 7, 4.5));
}

void DrawRadio(QPainter &p, double x) {
    p.setPen(QPen(QColor(30, 30, 30), 1));
    p.setBrush(QColor(70, 70, 70));
    p.drawRect(QRectF(x, 5, 5, 9));
    p.drawLine(QPointF(x + 1, 5), QPointF(x + 1, 1));
    p.setBrush(QColor(120, 200, 120));
    p.drawRect(QRectF(x + 1, 6.5, 3, 2));
}

void DrawArrow(QPainter &p, bool toRadio) {
    const QColor color = toRadio ? QColor(200, 60, 30) : QColor(30, 120, 40);
    p.setPen(QPen(color, 1.6));
    p.setBrush(color);
    if (toRadio) {
        p.drawLine(QPointF(1, 9), QPointF(7, 9));
        p.drawPolygon(QPolygonF({QPointF(9.5, 9), QPointF(6, 6), QPointF(6, 12)}));
    } else {
        p.drawLine(QPointF(3, 9), QPointF(9, 9));
        p.drawPolygon(QPolygonF({QPointF(0.5, 9), QPointF(4, 6), QPointF(4, 12)}));
    }
}

void DrawHelp(QPainter &p) {
    p.setPen(QPen(QColor(20, 60, 150), 1));
    p.setBrush(QColor(60, 120, 220));
    p.drawEllipse(QRectF(1, 0.5, 13, 13));
    QFont font;
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(1, 0.5, 13, 13), Qt::AlignCenter, "?");
}

} // namespace

QIcon ToolbarIcon(ToolbarImage image) {
    QPixmap pixmap = Canvas(16, 15);
    {
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(kScale, kScale);
        switch (image) {
        case ToolbarImage::New:
            DrawPage(p);
            break;
        case ToolbarImage::Open:
            DrawFolder(p);
            break;
        case ToolbarImage::Save:
            DrawDisk(p);
            break;
        case ToolbarImage::Read:
            DrawRadio(p, 10);
            DrawArrow(p, false);
            break;
        case ToolbarImage::Write:
            DrawRadio(p, 10);
            DrawArrow(p, true);
            break;
        case ToolbarImage::About:
            DrawHelp(p);
            break;
        }
    }
    pixmap.setDevicePixelRatio(kScale);
    return QIcon(pixmap);
}

QIcon ApplicationIcon() {
    // The hicolor PNGs the desktop menu shows, built in as resources; a static library's
    // resources are registered by hand.
    InitApplicationIcons();
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/dpmr-cps-%1.png").arg(size), QSize(size, size));
    return icon;
}
