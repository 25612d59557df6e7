#include "presentation/SheetPainter.h"

#include "controls/Translated.h"
#include "presentation/Artwork.h"
#include "presentation/Palette.h"
#include "presentation/SheetReading.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QSvgRenderer>

#include <algorithm>

// The state a paint threads through its steps. Like a device context it carries the current
// text and background colours, which markers leave black on white for every later text.
struct SheetPainter::Pass {
    QPainter& painter;
    const SheetState& state;
    HotSpotList& hotSpots;
    SheetFonts& fonts;
    SheetMetrics metrics;
    SheetPoint pictureOrigin;
    QColor text = Palette::kSheetText;
    QColor back = Palette::kWhite;

    int DrawSheetText(const QString& s, int x, int y, int height, bool bold)
    {
        const QFont& font = fonts.Arial(height, bold);
        const QFontMetrics fm(font);
        const int width = fm.horizontalAdvance(s);
        painter.fillRect(x, y, width, fm.height(), back); // opaque, as the surface under it
        painter.setFont(font);
        painter.setPen(text);
        painter.drawText(x, y + fm.ascent(), s);
        return width;
    }

    int DrawAlertText(const QString& s, int x, int y, int height, bool bold)
    {
        text = Palette::kRed;
        return DrawSheetText(s, x, y, height, bold);
    }

    int MeasuredWidth(const QString& s)
    {
        return QFontMetrics(fonts.Measuring(metrics.measuringCharHeight)).horizontalAdvance(s);
    }

    void DrawMarker(const SheetRect& box, const QColor& fill, const QString& glyph)
    {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Palette::kBlack, 1));
        painter.setBrush(fill);
        painter.drawEllipse(QRectF(box.left + 0.5, box.top + 0.5, box.Width() - 1, box.Height() - 1));
        painter.restore();
        text = Palette::kWhite;
        back = fill;
        const SheetPoint at = SheetGeometry::MarkerGlyphOrigin(box);
        DrawSheetText(glyph, at.x, at.y, SheetGeometry::MarkerGlyphHeight(box.Width()), true);
        text = Palette::kBlack;
        back = Palette::kWhite;
    }

    void DrawInfoMarker(SheetPoint centre, int diameter, const QString& precedingText)
    {
        const int shift = precedingText.isEmpty() ? 0 : MeasuredWidth(precedingText);
        DrawMarker(SheetGeometry::InfoMarkerBox(centre, diameter, shift), Palette::kBlue, QStringLiteral("i"));
    }

    void DrawLetterMarker(SheetPoint centre, int diameter, int index)
    {
        DrawMarker(SheetGeometry::LetterMarkerBox(centre, diameter), Palette::kOrange, QString(QChar(u'A' + index)));
    }
};

SheetPainter::SheetPainter()
    : picture_(std::make_unique<QSvgRenderer>(Artwork::CabinetPicturePath()))
{
}

SheetPainter::~SheetPainter() = default;

void SheetPainter::Paint(QPainter& painter, const SheetState& state, HotSpotList& hotSpots)
{
    Pass pass{painter, state, hotSpots, fonts_, SheetMetrics::ForScreen(state.screenHeight), {}};
    hotSpots.Clear();
    hotSpots.SetLabelLineHeight(QFontMetrics(fonts_.Measuring(pass.metrics.measuringCharHeight)).height());

    painter.fillRect(0, 0, state.clientWidth, state.clientHeight, Palette::kWhite);
    const SheetRect band = SheetGeometry::HeaderBand(state.clientWidth);
    painter.fillRect(band.left, band.top, band.Width(), band.Height(), Palette::kYellow);
    const SheetPoint logo = SheetGeometry::LogoOrigin(state.clientWidth);
    painter.drawPixmap(logo.x, logo.y, LogoFor(painter.device()->devicePixelRatioF()));
    DrawPicture(pass);

    pass.text = Palette::kSheetText;
    pass.back = Palette::kWhite;
    DrawHeader(pass);
    DrawRows(pass);
    DrawResultMarkers(pass);
    DrawMessageLine(pass);
    DrawPictureMarkers(pass);
}

void SheetPainter::DrawPicture(Pass& pass)
{
    const SheetState& s = pass.state;
    pass.pictureOrigin = SheetGeometry::PictureOrigin(s.wideLayout, s.formLeft, s.options.iDoorCheck);
    // A form the labels widened leaves the picture that much less width.
    pictureScale_ = SheetGeometry::PictureScale(s.clientWidth - s.columns.Total(), s.clientHeight, pass.pictureOrigin,
                                                s.wideLayout);
    const int side = SheetGeometry::ScaledPictureSide(pictureScale_);
    if (side > 0)
        pass.painter.drawImage(pass.pictureOrigin.x, pass.pictureOrigin.y, ScaledPicture(side));
}

const QPixmap& SheetPainter::LogoFor(qreal devicePixelRatio)
{
    if (logo_.isNull() || logo_.devicePixelRatio() != devicePixelRatio)
        logo_ = Artwork::Logo(devicePixelRatio);
    return logo_;
}

// Rendering the vector picture costs far more than a paint may, so it is kept per size; the
// size changes only with the window.
const QImage& SheetPainter::ScaledPicture(int side)
{
    if (pictureCache_.width() != side) {
        pictureCache_ = QImage(side, side, QImage::Format_RGB32);
        pictureCache_.fill(Palette::kWhite);
        QPainter painter(&pictureCache_);
        painter.setRenderHint(QPainter::Antialiasing);
        picture_->render(&painter, QRectF(0, 0, side, side));
    }
    return pictureCache_;
}

void SheetPainter::DrawHeader(Pass& pass) const
{
    const QColor previous = pass.back;
    pass.back = Palette::kYellow;
    using namespace SheetGeometry;
    pass.DrawSheetText(QString::fromStdString(pass.state.productName), kTitleText.x, kTitleText.y, kTitleText.height,
                       false);
    const QString word = QCoreApplication::translate("SheetPainter", kVersionWord);
    const int wordWidth =
        pass.DrawSheetText(word + u' ', kVersionLabel.x, kVersionLabel.y, kVersionLabel.height, false);
    // The number keeps its place unless a longer word needs it to move on.
    pass.DrawSheetText(QString::fromStdString(pass.state.versionText),
                       std::max(kVersionText.x, kVersionLabel.x + wordWidth), kVersionText.y, kVersionText.height,
                       false);
    pass.back = previous;
}

void SheetPainter::DrawRows(Pass& pass) const
{
    const SheetState& s = pass.state;
    const SheetFrame frame{s.formLeft, s.rowPitch, pass.metrics.sheetFontHeight, s.columns};
    for (const SheetLine& line : FormSheet::VisibleLines(s.options, frame, s.results, s.units)) {
        const QString label = QCoreApplication::translate(FormSheet::kLabelContext, line.labelText.c_str());
        pass.DrawSheetText(label, line.label.x, line.label.y, line.fontHeight, line.bold);
        if (s.tables && !s.tables->FormHelp(line.row).empty())
            pass.hotSpots.RegisterHotSpot(line.label.x, line.label.y,
                                          Translated("FormHelp", s.tables->FormHelp(line.row).c_str()), false);
        if (line.marker == SheetMarker::Info)
            pass.DrawInfoMarker(SheetGeometry::RowInfoMarkerPoint(line.label), SheetGeometry::kInfoMarkerDiameter,
                                label);
        else if (line.marker == SheetMarker::Letter)
            pass.DrawLetterMarker(SheetGeometry::RowLetterMarkerPoint(line.label), pass.metrics.letterMarkerDiameter,
                                  line.letter);
        // Figures a stopped calculation left from the last complete one must not read as current.
        const QColor text = pass.text;
        if (s.figuresStale && !line.valueText.empty())
            pass.text = QGuiApplication::palette().color(QPalette::Disabled, QPalette::Text);
        pass.DrawSheetText(QCoreApplication::translate("UnitLabel", line.unitText.c_str()), line.unit.x, line.unit.y,
                           line.fontHeight, line.bold);
        if (!line.valueText.empty())
            pass.DrawSheetText(QString::fromStdString(line.valueText), line.value.x, line.value.y, line.fontHeight,
                               false);
        pass.text = text;
    }
}

SheetColumns SheetPainter::FittedColumns(int screenHeight)
{
    const SheetMetrics metrics = SheetMetrics::ForScreen(screenHeight);
    const QFontMetrics measuring(fonts_.Measuring(metrics.measuringCharHeight));
    return FormSheet::FitColumns([&](int r) {
        const SheetRow& row = FormSheet::Rows()[static_cast<std::size_t>(r)];
        const QString label = QCoreApplication::translate(FormSheet::kLabelContext, row.label);
        int reach = QFontMetrics(fonts_.Arial(metrics.sheetFontHeight, row.heading)).horizontalAdvance(label);
        if (row.marker == SheetMarker::Info) {
            using namespace SheetGeometry;
            const SheetRect marker =
                InfoMarkerBox(RowInfoMarkerPoint({}), kInfoMarkerDiameter, measuring.horizontalAdvance(label));
            reach = std::max(reach, marker.right);
        }
        return reach;
    });
}

int SheetPainter::ResultsBase(const Pass& pass)
{
    const SheetState& s = pass.state;
    return FormSheet::ResultsBase(s.options, {s.formLeft, s.rowPitch, pass.metrics.sheetFontHeight, s.columns},
                                  s.clientHeight);
}

void SheetPainter::DrawResultMarkers(Pass& pass) const
{
    const SheetState& s = pass.state;
    const int base = ResultsBase(pass);
    for (int i = 0; i < SheetGeometry::kResultMarkerCount; ++i) {
        const SheetPoint spot = SheetGeometry::ResultHotSpotPoint(s.formLeft, base, i);
        if (s.tables)
            pass.hotSpots.RegisterHotSpot(spot.x, spot.y, Translated("ResultHelp", s.tables->ResultHelp(i).c_str()),
                                          true);
        pass.DrawInfoMarker(SheetGeometry::ResultMarkerPoint(s.formLeft, base, i), SheetGeometry::kInfoMarkerDiameter,
                            QString());
    }
}

void SheetPainter::DrawMessageLine(Pass& pass) const
{
    const SheetState& s = pass.state;
    if (s.warningText.empty())
        return;
    const SheetPoint at = SheetGeometry::MessageLinePoint(s.formLeft, ResultsBase(pass));
    pass.DrawAlertText(QString::fromStdString(s.warningText), at.x, at.y, pass.metrics.sheetFontHeight + 2, true);
}

void SheetPainter::DrawPictureMarkers(Pass& pass) const
{
    if (pictureScale_ <= 0.0)
        return;
    for (int i = 0; i < SheetGeometry::kPictureMarkerCount; ++i)
        pass.DrawLetterMarker(SheetGeometry::PictureMarkerPoint(pass.pictureOrigin, pictureScale_, i),
                              SheetGeometry::kPictureMarkerDiameter, i);
}
