// The painted surface, checked where a pixel says something a user would notice, laid out as
// the window lays it out.
#include "TestEnvironment.h"
#include "mainwindow/Layout.h"
#include "presentation/Palette.h"
#include "presentation/SheetPainter.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QTest>

namespace {

// The sheet of a window of that client size, on a screen that just holds it.
SheetState State(int width, int height, SheetOptions options = {})
{
    LayoutInput in;
    in.clientWidth = width;
    in.clientHeight = height;
    in.screenHeight = height > 1000 ? 1080 : 768;
    in.iCondCheck = options.iCondCheck;
    in.iDoorCheck = options.iDoorCheck;
    in.iHeatCheck = options.iHeatCheck;
    in.iCoolCheck = options.iCoolCheck;
    const LayoutResult layout = ComputeLayout(in);
    SheetState s;
    s.clientWidth = width;
    s.clientHeight = height;
    s.screenHeight = in.screenHeight;
    s.formLeft = layout.formLeft;
    s.rowPitch = layout.rowPitch;
    s.wideLayout = layout.wideLayout;
    s.options = options;
    s.productName = "Nordavik Kaldora";
    return s;
}

QColor Pixel(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y);
}

// The darkest pixel of a region: the solid colour of text drawn there.
QColor Darkest(const QImage& image, const QRect& area)
{
    QColor darkest = Qt::white;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y).lightness() < darkest.lightness())
                darkest = image.pixelColor(x, y);
    return darkest;
}

int CountColour(const QImage& image, const QRect& area, const QColor& colour)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixelColor(x, y) == colour;
    return n;
}

} // namespace

class SheetPaintTest : public QObject {
    Q_OBJECT
public:
    static void initMain() { TestEnvironment::Isolate(); }

private slots:
    void initTestCase();
    void header_band_is_yellow_up_to_eight_from_the_right();
    void picture_is_scaled_and_lettered();
    void info_markers_are_blue();
    void warning_is_a_red_line_above_the_results();
    void only_the_first_texts_are_dark_grey();
    void hot_spots_follow_the_visible_rows_data();
    void hot_spots_follow_the_visible_rows();
    void paint_copies_the_whole_surface();
    void stale_figures_are_disabled_text();

private:
    QImage Render(const SheetState& state, HotSpotList& spots);
    Tables tables_;
    SheetPainter painter_;
};

void SheetPaintTest::initTestCase()
{
    BuildTables(tables_);
}

QImage SheetPaintTest::Render(const SheetState& state, HotSpotList& spots)
{
    SheetState s = state;
    s.tables = &tables_;
    QImage image(s.clientWidth, s.clientHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    painter_.Paint(p, s, spots);
    return image;
}

void SheetPaintTest::header_band_is_yellow_up_to_eight_from_the_right()
{
    HotSpotList spots;
    const QImage image = Render(State(1920, 1040), spots);
    QCOMPARE(Pixel(image, 1500, 16), Palette::kYellow);
    QCOMPARE(Pixel(image, 1500, 66), Palette::kYellow);
    QCOMPARE(Pixel(image, 1500, 15), Palette::kWhite);
    QCOMPARE(Pixel(image, 1500, 67), Palette::kWhite);
    QCOMPARE(Pixel(image, 1911, 40), Palette::kYellow);
    QCOMPARE(Pixel(image, 1912, 68), Palette::kWhite);
    // The product name sits on the band in the sheet's text colour.
    QCOMPARE(Darkest(image, QRect(4, 17, 200, 32)), Palette::kSheetText);
}

void SheetPaintTest::picture_is_scaled_and_lettered()
{
    HotSpotList spots;
    const QImage image = Render(State(1280, 1000), spots);
    QCOMPARE(painter_.PictureScale(), 0.6);
    // Marker A centred at (380, 504): orange beside its white letter, outlined in black.
    QCOMPARE(Pixel(image, 373, 504), Palette::kOrange);
    QVERIFY(CountColour(image, QRect(369, 493, 23, 23), Palette::kOrange) > 150);
    QVERIFY(CountColour(image, QRect(376, 496, 12, 16), Palette::kWhite) > 10);
}

void SheetPaintTest::info_markers_are_blue()
{
    HotSpotList spots;
    const SheetState s = State(1920, 1040);
    const QImage image = Render(s, spots);
    // The capacity result marker: a 16-pixel circle left of the results list.
    const SheetRect box = SheetGeometry::InfoMarkerBox(SheetGeometry::ResultMarkerPoint(s.formLeft, 1040, 0), 16, 0);
    QCOMPARE(Pixel(image, box.left + 4, box.top + 8), Palette::kBlue);
    QVERIFY(CountColour(image, QRect(box.left, box.top, 16, 16), Palette::kBlue) > 100);
}

void SheetPaintTest::warning_is_a_red_line_above_the_results()
{
    SheetState s = State(1920, 1040);
    const QRect line(s.formLeft + 375, 1040 - 219, 400, 18);
    HotSpotList spots;
    QCOMPARE(CountColour(Render(s, spots), line, Palette::kRed), 0);
    s.warningText = "The door is thinner than the walls";
    const QImage image = Render(s, spots);
    QVERIFY(CountColour(image, line, Palette::kRed) > 50);
    QCOMPARE(CountColour(image, QRect(0, 70, 1920, 700), Palette::kRed), 0);
}

void SheetPaintTest::only_the_first_texts_are_dark_grey()
{
    // Markers leave black text behind them: the heading and the first label are drawn before
    // the first marker, everything after it in black.
    HotSpotList spots;
    const SheetState s = State(1920, 1040);
    const QImage image = Render(s, spots);
    QCOMPARE(Darkest(image, QRect(s.formLeft + 20, 80, 100, 16)), Palette::kSheetText);
    QCOMPARE(Darkest(image, QRect(s.formLeft + 20, 80 + 3 * 27, 150, 16)), Palette::kBlack);
}

void SheetPaintTest::hot_spots_follow_the_visible_rows_data()
{
    QTest::addColumn<bool>("on");
    QTest::addColumn<int>("count");
    // Labels 1, 2, 34 (and 23, 26, 28 with their options) plus the four result markers.
    QTest::newRow("options off") << false << 7;
    QTest::newRow("options on") << true << 10;
}

void SheetPaintTest::hot_spots_follow_the_visible_rows()
{
    QFETCH(bool, on);
    QFETCH(int, count);
    HotSpotList spots;
    Render(State(1920, 1040, {on, on, on, on}), spots);
    QCOMPARE(spots.Count(), count);
    // Painting again replaces, not appends.
    Render(State(1920, 1040, {on, on, on, on}), spots);
    QCOMPARE(spots.Count(), count);
    const auto hasText = [&spots](const std::string& text) {
        for (const HotSpot& spot : spots.Spots())
            if (spot.text == text)
                return true;
        return false;
    };
    QCOMPARE(hasText(tables_.FormHelp(23)), on);
    QCOMPARE(hasText(tables_.FormHelp(28)), on);
    // "   Width" has no help, so no spot on its row.
    QVERIFY(!spots.HitTestHotSpots(1040 + 30, 80 + (on ? 9 : 6) * 27 + 5));
    const HotSpot* box = spots.HitTestHotSpots(1040 + 25, 80 + 2 * 27 + 3);
    QVERIFY(box);
    QCOMPARE(box->text, tables_.FormHelp(2));
}

void SheetPaintTest::paint_copies_the_whole_surface()
{
    HotSpotList spots;
    const QImage image = Render(State(800, 565), spots);
    QCOMPARE(Pixel(image, 799, 564), Palette::kWhite);
    QCOMPARE(Pixel(image, 0, 0), Palette::kWhite);
}

void SheetPaintTest::stale_figures_are_disabled_text()
{
    SheetState s = State(1920, 1040);
    s.results.netVolume = 200;
    const SheetFrame frame{s.formLeft, s.rowPitch, SheetMetrics::ForScreen(s.screenHeight).sheetFontHeight, s.columns};
    QRect figure;
    for (const SheetLine& line : FormSheet::VisibleLines(s.options, frame, s.results, s.units))
        if (!line.valueText.empty() && figure.isNull())
            figure = QRect(line.value.x, line.value.y, 60, line.fontHeight);
    HotSpotList spots;
    QCOMPARE(Darkest(Render(s, spots), figure), Palette::kBlack);
    s.figuresStale = true;
    QCOMPARE(Darkest(Render(s, spots), figure), QGuiApplication::palette().color(QPalette::Disabled, QPalette::Text));
}

QTEST_MAIN(SheetPaintTest)
#include "tst_sheet_paint.moc"
