#include "ui/settings/key_picture.h"

#include <QPainter>

namespace {

struct KeySpot {
    QRect rect;
    const char *name;
};

// Where each key sits on the 150 x 300 drawing: three on the side, four on the front.
KeySpot Spot(SideKey key) {
    switch (key) {
    case SideKey::Sk3:
        return {{30, 70, 12, 22}, "SK3"};
    case SideKey::Sk1:
        return {{30, 130, 12, 26}, "SK1"};
    case SideKey::Sk2:
        return {{30, 166, 12, 26}, "SK2"};
    case SideKey::P1:
        return {{62, 200, 18, 10}, "P1"};
    case SideKey::P2:
        return {{88, 200, 18, 10}, "P2"};
    case SideKey::P3:
        return {{62, 218, 18, 10}, "P3"};
    case SideKey::P4:
        return {{88, 218, 18, 10}, "P4"};
    }
    return {{}, ""};
}

} // namespace

QPixmap KeyPicture(SideKey key) {
    QPixmap picture(150, 300);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::darkGray, 2));
    painter.setBrush(QColor(60, 60, 60));
    painter.drawRect(95, 8, 10, 40);                  // antenna
    painter.drawRoundedRect(42, 46, 76, 240, 10, 10); // body
    painter.setBrush(QColor(150, 190, 210));
    painter.drawRect(54, 64, 52, 40); // display
    const KeySpot spot = Spot(key);
    painter.setBrush(QColor(220, 40, 40));
    painter.setPen(Qt::NoPen);
    painter.drawRect(spot.rect);
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 276, 150, 22), Qt::AlignCenter, spot.name);
    return picture;
}
