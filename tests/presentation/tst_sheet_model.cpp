// The sheet's row model, the picture and marker geometry and the hot spots: no screen needed.
#include "model/Tables.h"
#include "presentation/FormSheet.h"
#include "presentation/HotSpotList.h"
#include "presentation/SheetGeometry.h"

#include <QTest>

#include <algorithm>

namespace {

std::vector<int> RowNumbers(const std::vector<SheetLine>& lines)
{
    std::vector<int> rows;
    for (const SheetLine& line : lines)
        rows.push_back(line.row);
    return rows;
}

const SheetLine* FindRow(const std::vector<SheetLine>& lines, int row)
{
    const auto it = std::find_if(lines.begin(), lines.end(), [row](const SheetLine& l) { return l.row == row; });
    return it == lines.end() ? nullptr : &*it;
}

std::vector<SheetLine> Lines(SheetOptions options, int rowPitch = 27, const LoadResults& results = {},
                             const UnitSystem& units = {})
{
    return FormSheet::VisibleLines(options, {1040, rowPitch, rowPitch == 27 ? 16 : 12}, results, units);
}

} // namespace

class SheetModelTest : public QObject {
    Q_OBJECT
private slots:
    void all_options_off_shows_the_short_sheet();
    void right_column_restarts_at_the_top();
    void door_option_adds_door_rows_and_door_load();
    void rows_follow_the_screen_size_data();
    void rows_follow_the_screen_size();
    void columns_place_label_unit_and_value();
    void computed_values_follow_the_units_data();
    void computed_values_follow_the_units();
    void markers_sit_on_their_rows();
    void hidden_groups_take_no_space();
};

void SheetModelTest::all_options_off_shows_the_short_sheet()
{
    const std::vector<int> expected{0, 1, 2, 3, 7, 8, 9, 10, 11, 12, 13, 14, 15, 22, 27, 33, 34, 35, 36, 38, 39};
    QCOMPARE(RowNumbers(Lines({})), expected);
}

void SheetModelTest::right_column_restarts_at_the_top()
{
    const auto lines = Lines({});
    const SheetLine* first = FindRow(lines, 22);
    QVERIFY(first);
    QCOMPARE(first->label.y, 80);
    QCOMPARE(QString::fromStdString(first->labelText), QStringLiteral("Additional Heat Load:"));
    QVERIFY(first->bold);
    // "Cool Down Load:", "Compressor:", "   Max runtime", "Load:" follow one pitch apart.
    QCOMPARE(FindRow(lines, 35)->label.y, 80 + 4 * 27);
}

void SheetModelTest::door_option_adds_door_rows_and_door_load()
{
    SheetOptions options;
    options.iDoorCheck = true;
    const auto rows = RowNumbers(Lines(options));
    const auto at = [&rows](int r) { return std::find(rows.begin(), rows.end(), r) - rows.begin(); };
    for (int r = 16; r <= 21; ++r)
        QVERIFY2(at(r) == at(15) + (r - 15), qPrintable(QString::number(r)));
    QCOMPARE(at(37), at(36) + 1);
    QCOMPARE(at(38), at(37) + 1);
    const auto lines = Lines(options);
    QCOMPARE(FindRow(lines, 21)->label.y, 80 + 18 * 27); // bottom of the left column
}

void SheetModelTest::rows_follow_the_screen_size_data()
{
    QTest::addColumn<int>("screenHeight");
    QTest::addColumn<int>("pitch");
    QTest::addColumn<int>("fontHeight");
    QTest::newRow("1080 high") << 1080 << 27 << 16;
    QTest::newRow("1024 high is large") << 1024 << 27 << 16;
    QTest::newRow("1023 high is small") << 1023 << 26 << 12;
    QTest::newRow("768 high") << 768 << 26 << 12;
}

void SheetModelTest::rows_follow_the_screen_size()
{
    QFETCH(int, screenHeight);
    QFETCH(int, pitch);
    QFETCH(int, fontHeight);
    const SheetMetrics metrics = SheetMetrics::ForScreen(screenHeight);
    QCOMPARE(metrics.sheetFontHeight, fontHeight);
    const auto lines = FormSheet::VisibleLines({}, {0, pitch, metrics.sheetFontHeight}, {}, {});
    QCOMPARE(FindRow(lines, 2)->label.y - FindRow(lines, 1)->label.y, pitch);
    QCOMPARE(FindRow(lines, 2)->fontHeight, fontHeight);
    // The load rows stand 8 pixels closer: 19 or 18 apart.
    QCOMPARE(FindRow(lines, 38)->label.y - FindRow(lines, 36)->label.y, pitch - 8);
    QCOMPARE(FindRow(lines, 39)->label.y - FindRow(lines, 38)->label.y, pitch - 8);
    QCOMPARE(FindRow(lines, 36)->label.y - FindRow(lines, 35)->label.y, pitch);
}

void SheetModelTest::columns_place_label_unit_and_value()
{
    const auto lines = Lines({});
    const SheetLine* volume = FindRow(lines, 11);
    QCOMPARE(volume->label, (SheetPoint{1060, 80 + 8 * 27}));
    QCOMPARE(volume->unit, (SheetPoint{1040 + 288, volume->label.y}));
    QCOMPARE(volume->value, (SheetPoint{1040 + 236, volume->label.y + 2}));
    const SheetLine* cabinet = FindRow(lines, 36);
    QCOMPARE(cabinet->label.x, 1040 + 440);
    QCOMPARE(cabinet->unit.x, 1040 + 708);
    QCOMPARE(cabinet->value, (SheetPoint{1040 + 656, cabinet->label.y + 2}));
    QVERIFY(FindRow(lines, 1)->valueText.empty());
    QCOMPARE(QString::fromStdString(FindRow(lines, 0)->unitText), QStringLiteral(" "));
}

void SheetModelTest::computed_values_follow_the_units_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("imperial");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("unit");
    QTest::newRow("0.9 cubic feet keeps two decimals") << 11 << true << 0.9 << "0.90"
                                                       << "ft3";
    QTest::newRow("90 litres has none") << 11 << false << 90.0 << "90"
                                        << "L";
    QTest::newRow("cabinet load in W") << 36 << false << 100.0 << "100"
                                       << "W";
    QTest::newRow("cabinet load in Btu/hr") << 36 << true << 100.0 << "341"
                                            << "Btu/hr";
    QTest::newRow("cool-down load in Btu/hr") << 39 << true << 10.0 << "34"
                                              << "Btu/hr";
    QTest::newRow("additional load stays in W") << 38 << true << 100.0 << "100"
                                                << "W";
}

void SheetModelTest::computed_values_follow_the_units()
{
    QFETCH(int, row);
    QFETCH(bool, imperial);
    QFETCH(double, value);
    QFETCH(QString, text);
    QFETCH(QString, unit);
    LoadResults results;
    results.netVolume = value;
    results.cabinetLoad = value;
    results.additionalLoad = value;
    results.coolDownLoad = value;
    UnitSystem units;
    units.volume = units.energy = imperial ? 1 : 0;
    // The lines must outlive the pointer FindRow returns into them.
    const auto lines = Lines({}, 27, results, units);
    const SheetLine* line = FindRow(lines, row);
    QVERIFY(line);
    QCOMPARE(QString::fromStdString(line->valueText), text);
    QCOMPARE(QString::fromStdString(line->unitText), unit);
}

void SheetModelTest::markers_sit_on_their_rows()
{
    const auto lines = Lines({true, true, true, true});
    const int letters[] = {8, 9, 10, 14, 24, 25};
    for (int i = 0; i < 6; ++i) {
        const SheetLine* line = FindRow(lines, letters[i]);
        QCOMPARE(line->marker, SheetMarker::Letter);
        QCOMPARE(line->letter, i);
    }
    for (int r : {1, 2, 23, 26, 28, 34})
        QCOMPARE(FindRow(lines, r)->marker, SheetMarker::Info);
    int markers = 0;
    for (const SheetLine& line : lines)
        markers += line.marker != SheetMarker::None;
    QCOMPARE(markers, 12);
}

void SheetModelTest::hidden_groups_take_no_space()
{
    SheetOptions options{true, true, false, true};
    const auto lines = Lines(options);
    for (int r = 23; r <= 26; ++r)
        QVERIFY(!FindRow(lines, r));
    QCOMPARE(FindRow(lines, 27)->label.y, 80 + 27);
    // Detailed conditions push the cabinet rows down by three.
    QCOMPARE(FindRow(lines, 7)->label.y, 80 + 7 * 27);
    QCOMPARE(FindRow(Lines({}), 7)->label.y, 80 + 4 * 27);
}

class PictureGeometryTest : public QObject {
    Q_OBJECT
private slots:
    void picture_scale_data();
    void picture_scale();
    void wide_client_of_1280_by_1000();
    void markers_move_with_the_picture();
    void marker_boxes();
    void result_markers_stand_beside_the_list();
};

void PictureGeometryTest::picture_scale_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("doorCheck");
    QTest::addColumn<int>("originX");
    QTest::addColumn<int>("originY");
    QTest::addColumn<int>("side");
    // Wide: limited by the height (0.9 of what is left under y = 90) or by the width beyond 800.
    QTest::newRow("1920x1040 by height") << 1920 << 1040 << false << 20 << 90 << 846;
    QTest::newRow("1280x1000 by width") << 1280 << 1000 << false << 20 << 90 << 480;
    // Narrow: below the left column, never wider than 500.
    QTest::newRow("800x900 without door rows") << 800 << 900 << false << 40 << 410 << 432;
    QTest::newRow("800x900 with door rows") << 800 << 900 << true << 40 << 560 << 297;
    QTest::newRow("700x1600 capped at 500") << 700 << 1600 << false << -60 << 410 << 500;
    QTest::newRow("no height left") << 800 << 565 << true << 40 << 560 << 0;
}

void PictureGeometryTest::picture_scale()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, doorCheck);
    QFETCH(int, originX);
    QFETCH(int, originY);
    QFETCH(int, side);
    const bool wide = width > 800;
    const int formLeft = width > 1600 ? width - 880 : width - 780;
    const SheetPoint origin = SheetGeometry::PictureOrigin(wide, formLeft, doorCheck);
    QCOMPARE(origin, (SheetPoint{originX, originY}));
    const double scale = SheetGeometry::PictureScale(width, height, origin, wide);
    QCOMPARE(SheetGeometry::ScaledPictureSide(scale), side);
    QVERIFY(scale >= 0.0);
}

void PictureGeometryTest::wide_client_of_1280_by_1000()
{
    const SheetPoint origin = SheetGeometry::PictureOrigin(true, 500, false);
    const double scale = SheetGeometry::PictureScale(1280, 1000, origin, true);
    QCOMPARE(scale, 0.6);
    QCOMPARE(SheetGeometry::PictureMarkerPoint(origin, scale, 0), (SheetPoint{380, 504}));
    QCOMPARE(SheetGeometry::PictureMarkerPoint(origin, scale, 5), (SheetPoint{20 + 246, 90 + 114}));
}

void PictureGeometryTest::markers_move_with_the_picture()
{
    const SheetPoint narrow = SheetGeometry::PictureOrigin(false, 20, false);
    const SheetPoint moved = SheetGeometry::PictureOrigin(false, 20, true);
    for (int i = 0; i < SheetGeometry::kPictureMarkerCount; ++i) {
        const SheetPoint a = SheetGeometry::PictureMarkerPoint(narrow, 0.5, i);
        const SheetPoint b = SheetGeometry::PictureMarkerPoint(moved, 0.5, i);
        QCOMPARE(b.x, a.x);
        QCOMPARE(b.y - a.y, 150);
    }
}

void PictureGeometryTest::marker_boxes()
{
    // The information marker starts 16 right of the label plus the label's measured width.
    const SheetPoint label{100, 200};
    const SheetRect info = SheetGeometry::InfoMarkerBox(SheetGeometry::RowInfoMarkerPoint(label), 16, 90);
    QCOMPARE(info, (SheetRect{100 + 16 + 90, 199, 100 + 16 + 90 + 16, 215}));
    const SheetRect letter = SheetGeometry::LetterMarkerBox(SheetGeometry::RowLetterMarkerPoint(label), 23);
    QCOMPARE(letter, (SheetRect{100 - 7 - 11, 208 - 11, 100 - 7 - 11 + 23, 208 - 11 + 23}));
    QCOMPARE(SheetGeometry::MarkerGlyphOrigin(letter), (SheetPoint{letter.left + 7, letter.top + 3}));
    QCOMPARE(SheetGeometry::MarkerGlyphHeight(19), 13);
}

void PictureGeometryTest::result_markers_stand_beside_the_list()
{
    QCOMPARE(SheetGeometry::ResultHotSpotPoint(1040, 1040, 0), (SheetPoint{1395, 865}));
    QCOMPARE(SheetGeometry::ResultHotSpotPoint(1040, 1040, 3), (SheetPoint{1395, 925}));
    QCOMPARE(SheetGeometry::ResultMarkerPoint(1040, 1040, 1), (SheetPoint{1395, 895}));
    QCOMPARE(SheetGeometry::MessageLinePoint(1040, 1040), (SheetPoint{1415, 821}));
}

class HotSpotTest : public QObject {
    Q_OBJECT
private slots:
    void rect_edges_data();
    void rect_edges();
    void first_spot_wins_in_an_overlap();
    void tip_anchor_data();
    void tip_anchor();
    void long_text_counts_characters_not_bytes();
};

void HotSpotTest::rect_edges_data()
{
    QTest::addColumn<bool>("isMarker");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<bool>("hit");
    // Registered at (100, 50); labels are one 15-pixel line high.
    QTest::newRow("marker top-left corner") << true << 95 << 45 << true;
    QTest::newRow("marker right edge is outside") << true << 130 << 60 << false;
    QTest::newRow("marker last column") << true << 129 << 69 << true;
    QTest::newRow("marker bottom edge is outside") << true << 110 << 70 << false;
    QTest::newRow("label start") << false << 100 << 50 << true;
    QTest::newRow("label left of start") << false << 99 << 50 << false;
    QTest::newRow("label 200 wide") << false << 299 << 64 << true;
    QTest::newRow("label end is outside") << false << 300 << 50 << false;
    QTest::newRow("label below its line") << false << 150 << 65 << false;
}

void HotSpotTest::rect_edges()
{
    QFETCH(bool, isMarker);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(bool, hit);
    HotSpotList list;
    list.SetLabelLineHeight(15);
    list.RegisterHotSpot(100, 50, "help", isMarker);
    QCOMPARE(list.HitTestHotSpots(x, y) != nullptr, hit);
}

void HotSpotTest::first_spot_wins_in_an_overlap()
{
    HotSpotList list;
    for (int i = 0; i < 4; ++i) {
        const SheetPoint p = SheetGeometry::ResultHotSpotPoint(0, 1000, i);
        list.RegisterHotSpot(p.x, p.y, std::to_string(i), true);
    }
    // Spot 0 covers y 820..844, spot 1 from 840: the five shared rows belong to the upper one.
    QCOMPARE(list.HitTestHotSpots(360, 842)->text, std::string("0"));
    QCOMPARE(list.HitTestHotSpots(360, 845)->text, std::string("1"));
    QCOMPARE(list.HitTestHotSpots(360, 904)->text, std::string("3"));
    QVERIFY(!list.HitTestHotSpots(360, 905));
    list.Clear();
    QVERIFY(!list.HitTestHotSpots(360, 842));
}

void HotSpotTest::tip_anchor_data()
{
    QTest::addColumn<bool>("result");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("above");
    QTest::newRow("temperature inside box, 142 characters") << false << 2 << 65;
    QTest::newRow("ambient temperature, 312 characters") << false << 1 << 95;
    QTest::newRow("capacity result") << true << 0 << 65;
    QTest::newRow("T evaporator result") << true << 1 << 95;
}

void HotSpotTest::tip_anchor()
{
    QFETCH(bool, result);
    QFETCH(int, index);
    QFETCH(int, above);
    Tables tables;
    BuildTables(tables);
    HotSpotList list;
    const HotSpot& spot =
        list.RegisterHotSpot(500, 300, result ? tables.ResultHelp(index) : tables.FormHelp(index), result);
    QCOMPARE(TipAnchor(spot), (SheetPoint{spot.rect.left - 180, spot.rect.top - above}));
}

void HotSpotTest::long_text_counts_characters_not_bytes()
{
    // 300 characters, two of them three bytes long: still a short text.
    std::string text(298, 'x');
    text += "\u2013\u2013";
    QCOMPARE(CharacterCount(text), 300);
    HotSpotList list;
    QCOMPARE(TipAnchor(list.RegisterHotSpot(0, 100, text, false)).y, 100 - 65);
    QCOMPARE(TipAnchor(list.RegisterHotSpot(0, 100, text + "x", false)).y, 100 - 95);
}

int main(int argc, char** argv)
{
    int status = 0;
    {
        SheetModelTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        PictureGeometryTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        HotSpotTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}

#include "tst_sheet_model.moc"
