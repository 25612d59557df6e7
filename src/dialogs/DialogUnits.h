#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

// Converts the dialog layouts, given in dialog units, to pixels of the dialog's font: a unit is
// a quarter of the font's average character width across and an eighth of its height down.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    QRect ToPixels(const QRect& units) const;
    QSize ToPixels(const QSize& units) const;

private:
    int X(int units) const;
    int Y(int units) const;

    int baseX_ = 0;
    int baseY_ = 0;
};
