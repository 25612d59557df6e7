#include "presentation/ChartGeometry.h"
#include "presentation/VariantDifference.h"

#include <QtTest>

// The sweep chart's geometry and the comparison's differences, without a screen.
class ChartGeometryTest : public QObject {
    Q_OBJECT
private slots:
    void ticks_at_one_two_five_steps_data();
    void ticks_at_one_two_five_steps();
    void layers_stack_beneath_the_capacity();
    void a_stopped_point_breaks_the_curve_into_a_gap();
    void mark_and_point_under_the_pointer();
    void differences_to_the_first_variant_data();
    void differences_to_the_first_variant();
};

void ChartGeometryTest::ticks_at_one_two_five_steps_data()
{
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<double>("step");
    QTest::addColumn<double>("first");
    QTest::addColumn<double>("last");
    QTest::addColumn<int>("decimals");
    QTest::newRow("thickness 25..75") << 25.0 << 75.0 << 10.0 << 20.0 << 80.0 << 0;
    QTest::newRow("watts 0..54.2") << 0.0 << 54.2 << 10.0 << 0.0 << 60.0 << 0;
    QTest::newRow("hours 3..9") << 3.0 << 9.0 << 1.0 << 3.0 << 9.0 << 0;
    QTest::newRow("k 0.0135..0.0405") << 0.0135 << 0.0405 << 0.005 << 0.01 << 0.045 << 3;
    QTest::newRow("below zero") << -12.0 << 7.0 << 5.0 << -15.0 << 10.0 << 0;
    QTest::newRow("one value") << 50.0 << 50.0 << 2.0 << 44.0 << 56.0 << 0;
}

void ChartGeometryTest::ticks_at_one_two_five_steps()
{
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(double, step);
    QFETCH(double, first);
    QFETCH(double, last);
    QFETCH(int, decimals);
    const Axis a = NiceAxis(low, high, 8);
    QVERIFY(qAbs(a.step - step) < 1e-12);
    QVERIFY(qAbs(a.ticks.front().value - first) < 1e-9);
    QVERIFY(qAbs(a.ticks.back().value - last) < 1e-9);
    QCOMPARE(a.decimals, decimals);
    QVERIFY(a.ticks.size() <= 9);
}

void ChartGeometryTest::layers_stack_beneath_the_capacity()
{
    const std::vector<ChartPoint> points = {
        {0, true, 20, 5, 10, 0, 50},
        {10, true, 30, 5, 10, 5, 70},
    };
    const ChartGeometry g = LayOutChart(points, {100, 0, 500, 400}, std::nullopt);
    QCOMPARE(g.yAxis.low, 0.0);
    QCOMPARE(g.yAxis.high, 70.0);
    const auto py = [&](double v) { return 400 - v / 70.0 * 400; };
    // Each band: upper edge forward, lower edge back; a layer's lower edge is the one below.
    for (int layer = 0; layer < kLayerCount; ++layer)
        QCOMPARE(g.bands[layer].size(), size_t(1));
    const auto& door = g.bands[kDoorLayer][0];
    QCOMPARE(door.size(), size_t(4));
    QVERIFY(qAbs(door[0].y - py(25)) < 1e-9);
    QVERIFY(qAbs(door[1].y - py(35)) < 1e-9);
    QVERIFY(qAbs(door[2].y - py(30)) < 1e-9);
    QVERIFY(qAbs(door[3].y - py(20)) < 1e-9);
    const auto& cool = g.bands[kCoolDownLayer][0];
    QVERIFY(qAbs(cool[1].y - py(50)) < 1e-9);
    QCOMPARE(door[0].x, 100.0);
    QCOMPARE(door[1].x, 600.0);
    QVERIFY(qAbs(g.capacity[0][1].y - py(70)) < 1e-9);
}

void ChartGeometryTest::a_stopped_point_breaks_the_curve_into_a_gap()
{
    std::vector<ChartPoint> points;
    for (int i = 0; i <= 10; ++i)
        points.push_back({double(i), i < 3 || i > 4, 10, 0, 0, 0, 13});
    const ChartGeometry g = LayOutChart(points, {0, 0, 1000, 100}, std::nullopt);
    QCOMPARE(g.capacity.size(), size_t(2));
    QCOMPARE(g.capacity[0].size(), size_t(3));
    QCOMPARE(g.capacity[1].size(), size_t(6));
    QCOMPARE(g.bands[kCabinetLayer].size(), size_t(2));
    QCOMPARE(g.gaps.size(), size_t(1));
    QVERIFY(qAbs(g.gaps[0].first - 250) < 1e-9);
    QVERIFY(qAbs(g.gaps[0].second - 450) < 1e-9);
    // Nothing completed: no curve, no crash, an axis all the same.
    for (ChartPoint& p : points)
        p.completed = false;
    const ChartGeometry empty = LayOutChart(points, {0, 0, 1000, 100}, std::nullopt);
    QVERIFY(empty.capacity.empty());
    QVERIFY(empty.yAxis.high > empty.yAxis.low);
}

void ChartGeometryTest::mark_and_point_under_the_pointer()
{
    std::vector<ChartPoint> points;
    for (int i = 0; i <= 100; ++i)
        points.push_back({25 + i * 0.5, true, 10, 0, 0, 0, 13});
    const ChartGeometry g = LayOutChart(points, {50, 10, 600, 300}, 50.0);
    QVERIFY(g.markX.has_value());
    const double markX = *g.markX;
    QCOMPARE(PointUnder(points, g, markX), 50);
    QCOMPARE(PointUnder(points, g, markX + 600.0 / 60 * 0.5 * 0.4), 50);
    QCOMPARE(PointUnder(points, g, markX + 600.0 / 60 * 0.5 * 0.6), 51);
    QCOMPARE(PointUnder(points, g, 49), -1);
    QCOMPARE(PointUnder(points, g, 651), -1);
    QVERIFY(!LayOutChart(points, {50, 10, 600, 300}, 200.0).markX.has_value());
}

void ChartGeometryTest::differences_to_the_first_variant_data()
{
    QTest::addColumn<double>("first");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("text");
    QTest::newRow("more") << 54.18 << 66.2 << 0 << "W"
                          << "+12 W, +22 %";
    QTest::newRow("less") << 100.0 << 92.0 << 0 << "W" << QString::fromUtf8("\u22128 W, \u22128 %");
    QTest::newRow("same when shown") << 54.2 << 53.8 << 0 << "W"
                                     << "";
    QTest::newRow("from zero") << 0.0 << 17.1 << 1 << "W"
                               << "+17.1 W";
    QTest::newRow("no unit") << 2.0 << 3.0 << 0 << ""
                             << "+1, +50 %";
}

void ChartGeometryTest::differences_to_the_first_variant()
{
    QFETCH(double, first);
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, unit);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(DifferenceText(first, value, decimals, unit.toStdString())), text);
}

QTEST_APPLESS_MAIN(ChartGeometryTest)
#include "tst_chartgeometry.moc"
