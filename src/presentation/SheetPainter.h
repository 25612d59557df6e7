#pragma once

#include "model/LoadResults.h"
#include "model/Tables.h"
#include "model/UnitSystem.h"
#include "presentation/FormSheet.h"
#include "presentation/HotSpotList.h"
#include "presentation/SheetFonts.h"

#include <QImage>
#include <QPixmap>

#include <memory>
#include <string>

class QPainter;
class QSvgRenderer;

// Everything one paint of the window surface needs; the window fills it from its layout values,
// stored options, results and version texts.
struct SheetState {
    int clientWidth = 0;
    int clientHeight = 0;
    int screenHeight = 1080;
    int formLeft = 0;
    SheetColumns columns; // the layout's, for the labels of the language in use
    int rowPitch = 27;
    bool wideLayout = true;
    SheetOptions options; // iCondCheck, iDoorCheck, iHeatCheck, iCoolCheck
    LoadResults results;
    bool figuresStale = false; // the results are those of the last complete calculation: a later one stopped
    UnitSystem units;
    std::string warningText;
    std::string productName;
    std::string versionText = "0.0";
    const Tables* tables = nullptr; // help texts; without them nothing registers a hot spot
};

// Paints the window surface: band, logo, picture, sheet rows, message line and markers.
class SheetPainter {
public:
    SheetPainter();
    ~SheetPainter();
    SheetPainter(const SheetPainter&) = delete;
    SheetPainter& operator=(const SheetPainter&) = delete;

    // Composes the whole surface on a painter covering the client area. A widget's painter
    // already draws into the window's back buffer, which Qt copies to the screen in one step,
    // so no buffer of our own is needed. The hot spots are replaced by those of this paint.
    void Paint(QPainter& painter, const SheetState& state, HotSpotList& hotSpots);

    // What the labels of the language in use, painted as Paint paints them on a screen of that
    // height, add to the form's columns (FormSheet::FitColumns).
    SheetColumns FittedColumns(int screenHeight);

    // The scale of the latest picture drawing; 0 before the first paint or with no room for it.
    double PictureScale() const { return pictureScale_; }

private:
    struct Pass;

    void DrawPicture(Pass& pass);
    const QImage& ScaledPicture(int side);
    const QPixmap& LogoFor(qreal devicePixelRatio);
    void DrawHeader(Pass& pass) const;
    void DrawRows(Pass& pass) const;
    static int ResultsBase(const Pass& pass);
    void DrawResultMarkers(Pass& pass) const;
    void DrawMessageLine(Pass& pass) const;
    void DrawPictureMarkers(Pass& pass) const;

    SheetFonts fonts_;
    std::unique_ptr<QSvgRenderer> picture_;
    QImage pictureCache_;
    QPixmap logo_;
    double pictureScale_ = 0.0;
};
