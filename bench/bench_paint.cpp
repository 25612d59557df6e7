// One full paint of the window surface at 1920 x 1080 into an image: every row, marker, the
// picture and the copy out of the off-screen buffer. Target: under 8 ms.
#include "presentation/SheetPainter.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

class PaintBench : public QObject {
    Q_OBJECT
private slots:
    void full_paint_1920x1080_data();
    void full_paint_1920x1080();
};

void PaintBench::full_paint_1920x1080_data()
{
    QTest::addColumn<bool>("optionsOn");
    QTest::newRow("options off") << false;
    QTest::newRow("all options on, warning shown") << true;
}

void PaintBench::full_paint_1920x1080()
{
    QFETCH(bool, optionsOn);
    Tables tables;
    BuildTables(tables);
    SheetState state;
    state.clientWidth = 1920;
    state.clientHeight = 1080;
    state.screenHeight = 1080;
    state.formLeft = 1920 - 880;
    state.rowPitch = 27;
    state.wideLayout = true;
    state.productName = "Nordavik Kaldora";
    state.options = {optionsOn, optionsOn, optionsOn, optionsOn};
    state.results.netVolume = 166;
    state.results.cabinetLoad = 38;
    state.warningText = optionsOn ? "The door is thinner than the walls" : "";
    state.tables = &tables;
    QImage target(1920, 1080, QImage::Format_RGB32);
    SheetPainter painter;
    HotSpotList spots;
    {
        QPainter warm(&target);
        painter.Paint(warm, state, spots); // the picture is rendered once per size, as in the window
    }
    QBENCHMARK
    {
        QPainter p(&target);
        painter.Paint(p, state, spots);
    }
    QCOMPARE(spots.Count(), optionsOn ? 10 : 7);
}

QTEST_MAIN(PaintBench)
#include "bench_paint.moc"
