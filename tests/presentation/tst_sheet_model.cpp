// The sheet's row model: which rows show, where their texts and markers go. No screen needed.
#include "presentation/FormSheet.h"

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
    return FormSheet::VisibleLines(options, {1040, rowPitch, rowPitch == 27 ? 16 : 12, {}}, results, units);
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
    const auto lines = FormSheet::VisibleLines({}, {0, pitch, metrics.sheetFontHeight, {}}, {}, {});
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
    QTest::newRow("0.9 cubic feet keeps two decimals") << 11 << true << 25.5 << "0.90" // litres
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

QTEST_APPLESS_MAIN(SheetModelTest)
#include "tst_sheet_model.moc"
