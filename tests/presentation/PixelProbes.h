#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QWidget>

// Reading what the owner-drawn controls painted.

inline QColor PixelOf(QWidget& widget, const QPoint& at)
{
    return widget.grab().toImage().pixelColor(at);
}

// The bounding box of the pixels of one colour: where a caption was drawn.
inline QRect Extent(const QImage& image, const QColor& colour)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                box |= QRect(x, y, 1, 1);
    return box;
}

// Pixels close to a colour: antialiased small text rarely hits its colour exactly.
inline QRect NearExtent(const QImage& image, const QColor& colour, int tolerance = 40)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (qAbs(c.red() - colour.red()) <= tolerance && qAbs(c.green() - colour.green()) <= tolerance &&
                qAbs(c.blue() - colour.blue()) <= tolerance)
                box |= QRect(x, y, 1, 1);
        }
    return box;
}
