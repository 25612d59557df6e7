#include "ReportSamples.h"
#include "TestEnvironment.h"

#include <QtTest>

#include <cmath>

Q_DECLARE_METATYPE(ReportDevice)
Q_DECLARE_METATYPE(ReportOptions)
Q_DECLARE_METATYPE(UnitSystem)

namespace {

ReportDevice Device600(int pageHeight)
{
    return ReportDevice{600, 600, 4800, pageHeight, 100};
}

// The leading number of a value text ("-25 ºC" gives -25).
double NumberOf(const std::string& value)
{
    return std::stod(value);
}

} // namespace

// The printed report's page arithmetic and its lines, without a printer.
class ReportLayoutTest : public QObject {
    Q_OBJECT

public:
    static void initMain() { TestEnvironment::Isolate(); }

private slots:
    void margins_columns_and_header_follow_the_device_data();
    void margins_columns_and_header_follow_the_device();
    void label_starts_a_page_only_below_the_bottom_margin_data();
    void label_starts_a_page_only_below_the_bottom_margin();
    void value_stays_on_its_labels_line_even_when_the_page_is_full();
    void value_before_any_label_is_dropped();
    void option_groups_set_the_line_count_data();
    void option_groups_set_the_line_count();
    void small_pages_repeat_the_header_and_keep_values_beside_labels_data();
    void small_pages_repeat_the_header_and_keep_values_beside_labels();
    void computed_values_follow_the_chosen_units_data();
    void computed_values_follow_the_chosen_units();
};

void ReportLayoutTest::margins_columns_and_header_follow_the_device_data()
{
    QTest::addColumn<ReportDevice>("device");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("valueColumn");
    QTest::addColumn<int>("titleY");
    QTest::addColumn<int>("ruleY");
    QTest::addColumn<int>("ruleEnd");
    QTest::addColumn<int>("pen");

    QTest::newRow("600 dpi, 4800 wide") << ReportDevice{600, 600, 4800, 6600, 100} << 400 << 300 << 1860 << 250 << 350
                                        << 4500 << 6;
    // 4807 / 4 is 1201 (× 1.3 = 1561.3); without the integer division it would give 1562.
    QTest::newRow("quarter divided before the factor")
        << ReportDevice{600, 600, 4807, 6600, 100} << 400 << 300 << 1861 << 250 << 350 << 4507 << 6;
    QTest::newRow("300 dpi, odd line height")
        << ReportDevice{300, 300, 2400, 3300, 41} << 250 << 150 << 930 << 189 << 230 << 2250 << 3;
    QTest::newRow("axes differ") << ReportDevice{1200, 600, 9600, 6600, 100} << 400 << 600 << 3720 << 250 << 350 << 9000
                                 << 12;
    QTest::newRow("72 dpi, thin pen") << ReportDevice{72, 72, 595, 842, 12} << 136 << 36 << 228 << 118 << 130 << 559
                                      << 0;
}

void ReportLayoutTest::margins_columns_and_header_follow_the_device()
{
    QFETCH(ReportDevice, device);
    QFETCH(int, top);
    QFETCH(int, left);
    QFETCH(int, valueColumn);
    QFETCH(int, titleY);
    QFETCH(int, ruleY);
    QFETCH(int, ruleEnd);
    QFETCH(int, pen);

    ReportLayout layout(device);
    const LinePlacement label = layout.Place(ReportColumn::Label);
    const LinePlacement value = layout.Place(ReportColumn::Value);
    QVERIFY(label.startsPage);
    QCOMPARE(label.at, (ReportPoint{left, top}));
    QCOMPARE(value.at, (ReportPoint{valueColumn, top}));
    QCOMPARE(layout.Y(), top + device.lineHeight);

    const PageHeaderGeometry h = layout.Header();
    QCOMPARE(h.title, (ReportPoint{left + 10, titleY}));
    QCOMPARE(h.ruleFrom, (ReportPoint{left, ruleY}));
    QCOMPARE(h.ruleTo, (ReportPoint{ruleEnd, ruleY}));
    QCOMPARE(h.penWidth, pen);
}

void ReportLayoutTest::label_starts_a_page_only_below_the_bottom_margin_data()
{
    QTest::addColumn<int>("pageHeight");
    QTest::addColumn<QList<int>>("pages");

    // Lines start at 400, 500, 600 ...; the bottom margin is the top margin (400).
    QTest::newRow("three lines a page") << 1000 << QList<int>{1, 1, 1, 2, 2, 2, 3};
    QTest::newRow("a line may start exactly at the margin") << 1100 << QList<int>{1, 1, 1, 1, 2, 2, 2};
    QTest::newRow("no room below the header: one line a page") << 700 << QList<int>{1, 2, 3, 4, 5, 6, 7};
}

void ReportLayoutTest::label_starts_a_page_only_below_the_bottom_margin()
{
    QFETCH(int, pageHeight);
    QFETCH(QList<int>, pages);

    ReportLayout layout(Device600(pageHeight));
    int previousPage = 0;
    for (int expected : pages) {
        const LinePlacement p = layout.Place(ReportColumn::Label);
        QCOMPARE(p.page, expected);
        QCOMPARE(p.startsPage, expected != previousPage);
        if (p.startsPage)
            QCOMPARE(p.at.y, layout.TopMargin());
        previousPage = expected;
    }
    QCOMPARE(layout.PageCount(), pages.back());
}

void ReportLayoutTest::value_stays_on_its_labels_line_even_when_the_page_is_full()
{
    ReportLayout layout(Device600(1000));
    for (int i = 0; i < 3; ++i)
        layout.Place(ReportColumn::Label);
    // The page is full now; the value still belongs to the third line.
    const LinePlacement value = layout.Place(ReportColumn::Value);
    QVERIFY(value.drawn);
    QVERIFY(!value.startsPage);
    QCOMPARE(value.page, 1);
    QCOMPARE(value.at.y, 600);
    QCOMPARE(layout.Place(ReportColumn::Label).page, 2);
}

void ReportLayoutTest::value_before_any_label_is_dropped()
{
    ReportLayout layout(Device600(6600));
    QVERIFY(!layout.Place(ReportColumn::Value).drawn);
    QCOMPARE(layout.PageCount(), 0);
    QCOMPARE(layout.Place(ReportColumn::Label).at.y, layout.TopMargin());
}

void ReportLayoutTest::option_groups_set_the_line_count_data()
{
    QTest::addColumn<ReportOptions>("options");
    QTest::addColumn<int>("lines");

    QTest::newRow("all off") << ReportOptions{} << 26;
    QTest::newRow("door") << ReportOptions{true, false, false, false} << 33;
    QTest::newRow("additional heat") << ReportOptions{false, true, false, false} << 32;
    QTest::newRow("cool down") << ReportOptions{false, false, true, false} << 33;
    QTest::newRow("conditions") << ReportOptions{false, false, false, true} << 29;
    QTest::newRow("all on") << kAllOptions << 49;
}

void ReportLayoutTest::option_groups_set_the_line_count()
{
    QFETCH(ReportOptions, options);
    QFETCH(int, lines);

    ReportLayout layout(Device600(7000));
    const std::vector<PlacedText> placed = PlaceReport(layout, SampleReport(options));
    const auto labels = std::count_if(placed.begin(), placed.end(), [](const PlacedText& t) { return !t.isValue; });
    QCOMPARE(labels, lines);
    QCOMPARE(layout.PageCount(), 1);
    QCOMPARE(layout.Y(), layout.TopMargin() + lines * 100);
}

void ReportLayoutTest::small_pages_repeat_the_header_and_keep_values_beside_labels_data()
{
    QTest::addColumn<ReportDevice>("device");
    QTest::addColumn<int>("pages");

    QTest::newRow("eight lines a page") << Device600(1500) << 7;
    QTest::newRow("one line a page") << Device600(700) << 49;
    QTest::newRow("72 dpi") << ReportDevice{72, 72, 300, 400, 13} << 5;
}

void ReportLayoutTest::small_pages_repeat_the_header_and_keep_values_beside_labels()
{
    QFETCH(ReportDevice, device);
    QFETCH(int, pages);

    ReportLayout layout(device);
    const std::vector<PlacedText> placed = PlaceReport(layout, SampleReport(kAllOptions));
    QCOMPARE(layout.PageCount(), pages);

    const int lowestStart = std::max(layout.TopMargin(), device.pageHeight - layout.TopMargin());
    int page = 0;
    LinePlacement label;
    for (const PlacedText& t : placed) {
        const LinePlacement& p = t.where;
        QVERIFY(p.drawn);
        QVERIFY2(p.at.y >= layout.TopMargin(), t.text.c_str()); // never in the header
        if (t.isValue) {
            QCOMPARE(p.page, label.page);
            QCOMPARE(p.at.y, label.at.y);
            QVERIFY(!p.startsPage);
            continue;
        }
        QVERIFY(p.at.y <= lowestStart);
        QCOMPARE(p.startsPage, p.page != page);
        QVERIFY(p.page == page || p.page == page + 1);
        page = p.page;
        label = p;
    }
}

void ReportLayoutTest::computed_values_follow_the_chosen_units_data()
{
    QTest::addColumn<UnitSystem>("units");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<double>("factor"); // value in these units over the metric value
    QTest::addColumn<double>("offset");

    const UnitSystem btu{1, 0, 0, 0, 0, 0};
    const UnitSystem fahrenheit{0, 1, 0, 0, 0, 0};
    const double btuPerWatt = 3.412142;
    QTest::newRow("Btu/hr: cabinet load") << btu << "   Cabinet load"
                                          << " Btu/hr" << btuPerWatt << 0.0;
    QTest::newRow("Btu/hr: door load") << btu << "   Door load"
                                       << " Btu/hr" << btuPerWatt << 0.0;
    QTest::newRow("Btu/hr: cool down load") << btu << "   Cool down load"
                                            << " Btu/hr" << btuPerWatt << 0.0;
    QTest::newRow("Btu/hr: capacity") << btu << "   Requested compressor capacity"
                                      << " Btu/hr" << btuPerWatt << 0.0;
    QTest::newRow("Btu/hr: additional load stays in W") << btu << "   Additional heat load"
                                                        << " W" << 1.0 << 0.0;
    QTest::newRow("ºF: T Evaporator") << fahrenheit << "   T Evaporator"
                                      << " ºF" << 1.8 << 32.0;
    QTest::newRow("ºF: T Condenser") << fahrenheit << "   T Condenser"
                                     << " ºF" << 1.8 << 32.0;
    QTest::newRow("ºF: subcooling") << fahrenheit << "   Subcooling"
                                    << " ºF" << 1.8 << 0.0;
    QTest::newRow("ºC: T Evaporator") << UnitSystem{} << "   T Evaporator"
                                      << " ºC" << 1.0 << 0.0;
}

void ReportLayoutTest::computed_values_follow_the_chosen_units()
{
    QFETCH(UnitSystem, units);
    QFETCH(QString, label);
    QFETCH(QString, unit);
    QFETCH(double, factor);
    QFETCH(double, offset);

    // "   Subcooling" is also an input line; the result is the last line of that name.
    const auto lastValue = [&](const std::vector<ReportLine>& lines) {
        std::string found;
        for (const ReportLine& line : lines)
            found = line.label == label.toStdString() ? line.value : found;
        return found;
    };
    const std::string shown = lastValue(SampleReport(kAllOptions, units));
    const std::string metric = lastValue(SampleReport(kAllOptions));
    QVERIFY2(QString::fromStdString(shown).endsWith(unit), shown.c_str());
    // Whole numbers: the results list shows one decimal, the report none.
    QVERIFY2(shown.find('.') == std::string::npos, shown.c_str());
    QVERIFY(NumberOf(metric) != 0.0);
    // Both are rounded to whole numbers, so allow the rounding of each.
    QVERIFY2(std::abs(NumberOf(shown) - (NumberOf(metric) * factor + offset)) <= 0.5 + factor * 0.5,
             (shown + " vs " + metric).c_str());
}

QTEST_MAIN(ReportLayoutTest)
#include "tst_reportlayout.moc"
