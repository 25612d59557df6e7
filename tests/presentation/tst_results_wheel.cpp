// The results list has no scroll bars, and nothing scrolls it: not a wheel, not a sideways
// touchpad swipe. Wheel events go to the window, which hands them to the widget under the pointer,
// as the platform's events do.

#include "presentation/ResultsList.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

namespace {

ResultRowSet SampleRows()
{
    LoadResults r;
    r.requestedCapacity = 151;
    r.tEvaporator = -7;
    r.tCondenser = 42;
    r.subcooling = 1;
    return FormatResultRows(r, {});
}

void Wheel(QWidget& window, QPoint at, QPoint pixelDelta, QPoint angleDelta, Qt::ScrollPhase phase)
{
    QWheelEvent wheel(at, window.mapToGlobal(at), pixelDelta, angleDelta, Qt::NoButton, Qt::NoModifier, phase, false);
    QCoreApplication::sendEvent(window.windowHandle(), &wheel);
}

} // namespace

class ResultsWheelTest : public QObject {
    Q_OBJECT
private slots:
    void wheel_and_swipe_leave_the_list_in_place_data();
    void wheel_and_swipe_leave_the_list_in_place();
};

void ResultsWheelTest::wheel_and_swipe_leave_the_list_in_place_data()
{
    QTest::addColumn<QPoint>("pixelDelta");
    QTest::addColumn<QPoint>("angleDelta");
    QTest::addColumn<bool>("errorRow");
    QTest::newRow("swipe left") << QPoint(-50, 0) << QPoint(-120, 0) << false;
    QTest::newRow("horizontal wheel") << QPoint() << QPoint(-240, 0) << false;
    QTest::newRow("wheel down over an error row") << QPoint() << QPoint(0, -360) << true;
}

void ResultsWheelTest::wheel_and_swipe_leave_the_list_in_place()
{
    QFETCH(QPoint, pixelDelta);
    QFETCH(QPoint, angleDelta);
    QFETCH(bool, errorRow);

    QWidget window;
    window.resize(600, 300);
    auto* list = new ResultsList(&window);
    list->setGeometry(50, 100, 410, 115); // the window's size for it: column 1 is cut off
    if (errorRow)
        list->ShowErrorRow(QStringLiteral("Invalid door/lid openings load."), QStringLiteral("0W to 1000W"));
    else
        list->FillResultsList(SampleRows());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage before = list->grab().toImage();

    const QPoint over = list->geometry().center();
    Wheel(window, over, pixelDelta, angleDelta, Qt::ScrollBegin);
    for (int i = 0; i < 5; ++i)
        Wheel(window, over, pixelDelta, angleDelta, Qt::ScrollUpdate);
    Wheel(window, over, {}, {}, Qt::ScrollEnd);
    QCoreApplication::processEvents();

    QCOMPARE(list->horizontalScrollBar()->value(), 0);
    QCOMPARE(list->verticalScrollBar()->value(), 0);
    QCOMPARE(list->horizontalHeader()->offset(), 0);
    QCOMPARE(list->visualItemRect(list->item(0, 0)).left(), 0);
    QCOMPARE(list->grab().toImage(), before);
}

QTEST_MAIN(ResultsWheelTest)
#include "tst_results_wheel.moc"
