#pragma once
// Dialog units: the program's forms are laid out in units of a quarter of the average
// character width and an eighth of the character height, so they grow with the font.

#include <QFont>
#include <QRect>

class DialogUnits {
public:
    explicit DialogUnits(const QFont &font);
    int X(int units) const;
    int Y(int units) const;
    QRect Rect(int x, int y, int width, int height) const;

private:
    double baseX_;
    double baseY_;
};
