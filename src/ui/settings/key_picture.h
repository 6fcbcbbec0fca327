#pragma once
// A side view of the radio with one programmable key marked, for the "Side Key" page.

#include <QPixmap>

// In the page's field order: SK3, SK1, SK2, P1, P2, P3, P4.
enum class SideKey { Sk3, Sk1, Sk2, P1, P2, P3, P4 };

QPixmap KeyPicture(SideKey key);
