#pragma once

#include <array>

// Plain client-pixel geometry shared by the sheet model, the hot spots and the painter, so the
// placement rules can be checked without a screen.
struct SheetPoint {
    int x = 0;
    int y = 0;
    bool operator==(const SheetPoint&) const = default;
};

// Right and bottom are exclusive, as the hit test treats them.
struct SheetRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(int x, int y) const { return left <= x && x < right && top <= y && y < bottom; }
    bool operator==(const SheetRect&) const = default;
};

// Size-dependent values of one paint, all following the screen height.
struct SheetMetrics {
    int sheetFontHeight = 16;      // cell height of the row texts
    int letterMarkerDiameter = 23; // letter markers on the rows
    int measuringCharHeight = 12;  // character height of the measuring font

    static SheetMetrics ForScreen(int screenHeight);
};

bool IsLargeScreen(int screenHeight);

namespace SheetGeometry {

constexpr int kPictureSize = 800; // the cabinet picture's own coordinate system
// The home-page link's top edge lies this far above the client's bottom; the picture keeps above it.
constexpr int kHomePageLinkRise = 33;
constexpr int kInfoMarkerDiameter = 16;
constexpr int kPictureMarkerDiameter = 23;
constexpr int kLogoWidth = 99;
constexpr int kLogoHeight = 26;
constexpr int kResultMarkerCount = 4;
constexpr int kPictureMarkerCount = 6;

// The yellow band behind the product name: (0, 16) to (clientWidth - 8, 67).
SheetRect HeaderBand(int clientWidth);
SheetPoint LogoOrigin(int clientWidth);

// The texts on the band: where each starts and its cell height.
struct HeaderText {
    int x, y, height;
};
constexpr HeaderText kTitleText{4, 17, 32};
constexpr HeaderText kVersionLabel{7, 50, 14};
constexpr HeaderText kVersionText{50, 50, 14};

SheetPoint PictureOrigin(bool wideLayout, int formLeft, bool doorCheck);
// The scale the picture is drawn at; 0 when the client leaves no height for it (then neither the
// picture nor its markers are drawn).
double PictureScale(int clientWidth, int clientHeight, SheetPoint origin, bool wideLayout);
// The picture's drawn size: its 800 x 800 scaled, truncated toward zero.
int ScaledPictureSide(double scale);

// The six measured spots of the picture, in its own 800 x 800 coordinates, A to F.
extern const std::array<SheetPoint, kPictureMarkerCount> kPicturePoints;
// Where the letter marker for index 0 (A) to 5 (F) is centred on the drawn picture.
SheetPoint PictureMarkerPoint(SheetPoint origin, double scale, int index);

// Marker circles: the square the circle is inscribed in. The information marker moves right by
// the width of the text it follows.
SheetRect InfoMarkerBox(SheetPoint centre, int diameter, int precedingTextWidth);
SheetRect LetterMarkerBox(SheetPoint centre, int diameter);
// The glyph of a marker starts 7 right of and 3 below the circle's corner, at height diameter - 6.
SheetPoint MarkerGlyphOrigin(const SheetRect& box);
int MarkerGlyphHeight(int diameter);

// Row markers, from the row's label position.
SheetPoint RowInfoMarkerPoint(SheetPoint label);
SheetPoint RowLetterMarkerPoint(SheetPoint label);

// The four result markers beside the results list: where each registers its hot spot and where
// its circle is drawn (ten pixels lower). Like the list, they stand above the results base: the
// client's bottom edge unless the list had to move lower (FormSheet::ResultsBase).
SheetPoint ResultHotSpotPoint(int formLeft, int resultsBase, int index);
SheetPoint ResultMarkerPoint(int formLeft, int resultsBase, int index);

// The red message line above the results list; its top stands this far above the results base.
constexpr int kMessageLineRise = 219;
SheetPoint MessageLinePoint(int formLeft, int resultsBase);

} // namespace SheetGeometry
