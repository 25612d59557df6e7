// The hot spots: where the pointer finds help, and where the tip opens. No screen needed.
#include "model/Tables.h"
#include "presentation/HotSpotList.h"
#include "presentation/SheetGeometry.h"

#include <QTest>

#include <string>

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

QTEST_APPLESS_MAIN(HotSpotTest)
#include "tst_hotspots.moc"
