// The help tip that follows the pointer over the painted surface.
#include "TestEnvironment.h"
#include "model/Tables.h"
#include "presentation/ContextHelp.h"
#include "presentation/HotSpotList.h"
#include "presentation/Palette.h"
#include "presentation/TipWindow.h"

#include <QScreen>
#include <QTest>
#include <QWidget>

class ContextHelpTest : public QObject {
    Q_OBJECT
public:
    static void initMain() { TestEnvironment::Isolate(); }

private slots:
    void initTestCase();
    void tip_opens_at_the_anchor_data();
    void tip_opens_at_the_anchor();
    void tip_stays_on_the_screen();
    void tip_hides_off_the_spots_and_on_leave();
    void long_texts_wrap_within_520();

private:
    Tables tables_;
};

void ContextHelpTest::initTestCase()
{
    BuildTables(tables_);
}

void ContextHelpTest::tip_opens_at_the_anchor_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("above");
    QTest::newRow("temperature inside box") << 2 << 65;
    QTest::newRow("ambient temperature") << 1 << 95;
}

void ContextHelpTest::tip_opens_at_the_anchor()
{
    QFETCH(int, row);
    QFETCH(int, above);
    QWidget host;
    host.setGeometry(20, 10, 700, 500);
    host.show();
    ContextHelp help(&host);
    HotSpotList spots;
    spots.RegisterHotSpot(300, 200, tables_.FormHelp(row), false);
    help.OnMouseMove(QPoint(310, 205), spots);
    QVERIFY(help.Tip()->isVisible());
    QCOMPARE(help.Tip()->pos(), host.mapToGlobal(QPoint(300 - 180, 200 - above)));
    QCOMPARE(help.Tip()->text(), QString::fromStdString(tables_.FormHelp(row)));
    const QPalette& pal = help.Tip()->palette();
    QCOMPARE(pal.color(QPalette::Window), Palette::kBlue);
    QCOMPARE(pal.color(QPalette::WindowText), Palette::kWhite);
}

void ContextHelpTest::tip_stays_on_the_screen()
{
    // A label near the left edge: its anchor lies off the screen, the tip does not.
    QWidget host;
    host.setGeometry(0, 0, 700, 500);
    host.show();
    ContextHelp help(&host);
    HotSpotList spots;
    spots.RegisterHotSpot(40, 80, tables_.FormHelp(1), false);
    help.OnMouseMove(QPoint(45, 85), spots);
    const QRect screen = host.screen()->geometry();
    QVERIFY(screen.contains(help.Tip()->geometry()));
}

void ContextHelpTest::tip_hides_off_the_spots_and_on_leave()
{
    QWidget host;
    host.resize(800, 600);
    host.show();
    ContextHelp help(&host);
    HotSpotList spots;
    spots.RegisterHotSpot(300, 300, "help", true);
    help.OnMouseMove(QPoint(300, 300), spots);
    QVERIFY(help.Tip()->isVisible());
    help.OnMouseMove(QPoint(200, 200), spots);
    QVERIFY(!help.Tip()->isVisible());
    help.OnMouseMove(QPoint(310, 310), spots);
    QVERIFY(help.Tip()->isVisible());
    help.OnMouseLeave();
    QVERIFY(!help.Tip()->isVisible());
}

void ContextHelpTest::long_texts_wrap_within_520()
{
    TipWindow tip(nullptr, 520, Palette::kBlue, Palette::kWhite);
    tip.SetTipText(QString::fromStdString(tables_.ResultHelp(1)));
    QVERIFY(tip.width() <= 520);
    QVERIFY(tip.width() > 400);
    QVERIFY(tip.height() > 4 * tip.fontMetrics().height());
    tip.SetTipText(QStringLiteral("Short"));
    QVERIFY(tip.width() < 100);
    QVERIFY(tip.height() < 2 * tip.fontMetrics().height() + 10);
}

QTEST_MAIN(ContextHelpTest)
#include "tst_contexthelp.moc"
