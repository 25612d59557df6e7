#include "presentation/SheetGeometry.h"

#include <cmath>

namespace {

constexpr int kLargeScreenHeight = 1024;

int Trunc(double v)
{
    return static_cast<int>(std::trunc(v));
}

} // namespace

bool IsLargeScreen(int screenHeight)
{
    return screenHeight >= kLargeScreenHeight;
}

SheetMetrics SheetMetrics::ForScreen(int screenHeight)
{
    if (IsLargeScreen(screenHeight))
        return {16, 23, 12};
    return {12, 19, 9};
}

namespace SheetGeometry {

const std::array<SheetPoint, kPictureMarkerCount> kPicturePoints = {{
    {600, 690}, // A: depth, below the right side wall
    {340, 690}, // B: width, below the front
    {700, 300}, // C: height, beside the side wall
    {480, 300}, // D: wall thickness, on the right wall's front edge
    {310, 190}, // E: below the light bulb
    {410, 190}, // F: below the fan
}};

SheetRect HeaderBand(int clientWidth)
{
    return {0, 16, clientWidth - 8, 67};
}

SheetPoint LogoOrigin(int clientWidth)
{
    return {clientWidth - kLogoWidth, 3};
}

SheetPoint PictureOrigin(bool wideLayout, int formLeft, bool doorCheck)
{
    if (wideLayout)
        return {20, 90};
    // Below the left column, which is longer with the door rows shown.
    return {formLeft + 20, doorCheck ? 560 : 410};
}

double PictureScale(int clientWidth, int clientHeight, SheetPoint origin, bool wideLayout)
{
    const int available = clientHeight - origin.y - 10;
    if (available <= 0)
        return 0.0; // a negative scale would mirror the picture; leave it out instead
    double s = 0.9 * available / kPictureSize;
    const int maxWidth = wideLayout ? clientWidth - 800 : 500;
    if (maxWidth < kPictureSize * s)
        s = static_cast<double>(maxWidth) / kPictureSize;
    // On a short client the picture stops above the home-page link rather than cover it.
    const int maxHeight = clientHeight - kHomePageLinkRise - origin.y;
    if (maxHeight < kPictureSize * s)
        s = static_cast<double>(maxHeight) / kPictureSize;
    return s > 0.0 ? s : 0.0;
}

int ScaledPictureSide(double scale)
{
    return Trunc(kPictureSize * scale);
}

SheetPoint PictureMarkerPoint(SheetPoint origin, double scale, int index)
{
    const SheetPoint p = kPicturePoints.at(static_cast<size_t>(index));
    return {Trunc(origin.x + p.x * scale), Trunc(origin.y + p.y * scale)};
}

SheetRect InfoMarkerBox(SheetPoint centre, int diameter, int precedingTextWidth)
{
    const int left = centre.x - diameter / 2 + precedingTextWidth;
    const int top = centre.y - diameter / 2;
    return {left, top, left + diameter, top + diameter};
}

SheetRect LetterMarkerBox(SheetPoint centre, int diameter)
{
    return InfoMarkerBox(centre, diameter, 0);
}

SheetPoint MarkerGlyphOrigin(const SheetRect& box)
{
    return {box.left + 7, box.top + 3};
}

int MarkerGlyphHeight(int diameter)
{
    return diameter - 6;
}

SheetPoint RowInfoMarkerPoint(SheetPoint label)
{
    return {label.x + 24, label.y + 7};
}

SheetPoint RowLetterMarkerPoint(SheetPoint label)
{
    return {label.x - 7, label.y + 8};
}

SheetPoint ResultHotSpotPoint(int formLeft, int resultsBase, int index)
{
    return {formLeft + 355, resultsBase - 175 + 20 * index};
}

SheetPoint ResultMarkerPoint(int formLeft, int resultsBase, int index)
{
    return {formLeft + 355, resultsBase - 165 + 20 * index};
}

SheetPoint MessageLinePoint(int formLeft, int resultsBase)
{
    return {formLeft + 375, resultsBase - kMessageLineRise};
}

} // namespace SheetGeometry
