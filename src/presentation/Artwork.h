#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The program's own pictures, compiled in. Bitmaps keep the numbers the rest of the program
// knows them by.
namespace Artwork {

enum BitmapId : int {
    kCabinetPicture = 131,     // 800 x 800, drawn from its SVG
    kLogo = 132,               // 99 x 26
    kComboMiddle = 134,        // 15 x 24
    kComboLeft = 135,          // 2 x 24
    kComboButton = 136,        // 20 x 24
    kComboButtonDropped = 137, // 20 x 24
    kHeaderBand = 138,         // 1 x 20
    kHeaderLeft = 139,         // 2 x 20
    kHeaderRight = 140,        // 2 x 20
};

// The resource path of a bitmap, empty for a number that names none.
QString Path(int id);
// A bitmap at its own size; a null pixmap for an unknown number.
QPixmap Bitmap(int id);
// The logo for a screen's device pixel ratio: the bitmap at 1, otherwise drawn from its vector
// source at that many device pixels, so it stays as sharp as the text beside it.
QPixmap Logo(qreal devicePixelRatio);
// The cabinet picture's vector source, for drawing it at any scale.
QString CabinetPicturePath();

QString ApplicationIconPath();
QIcon ApplicationIcon();

} // namespace Artwork
