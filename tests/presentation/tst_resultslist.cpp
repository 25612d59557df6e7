// The results list and its header band, driven with mouse and focus events.
#include "PixelProbes.h"
#include "TestEnvironment.h"
#include "presentation/Artwork.h"
#include "presentation/Palette.h"
#include "presentation/ResultsHeader.h"
#include "presentation/ResultsList.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
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

class ResultsListTest : public QObject {
    Q_OBJECT
public:
    static void initMain() { TestEnvironment::Isolate(); }

private slots:
    void columns_and_scroll_bars();
    void wheel_and_swipe_leave_the_list_in_place_data();
    void wheel_and_swipe_leave_the_list_in_place();
    void results_are_black_on_yellow_with_or_without_focus();
    void error_row_replaces_the_results();
    void click_asks_for_a_recalculation_which_restores_the_rows();
    void clearing_stops_drawing_until_filled();
    void header_is_a_blue_band_with_white_titles();
};

void ResultsListTest::columns_and_scroll_bars()
{
    ResultsList list;
    QCOMPARE(list.columnCount(), 2);
    QCOMPARE(list.columnWidth(0), 260);
    QCOMPARE(list.columnWidth(1), 200);
    QCOMPARE(list.horizontalHeaderItem(0)->text(), QStringLiteral("Compressor Selection Conditions"));
    QCOMPARE(list.horizontalHeaderItem(1)->text(), QStringLiteral(" "));
    QCOMPARE(list.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(list.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QVERIFY(list.showGrid());
    QCOMPARE(list.selectionBehavior(), QAbstractItemView::SelectRows);
}

// Nothing scrolls the list, which has no scroll bars: not a wheel, not a sideways touchpad swipe.
// Wheel events go to the window, which hands them to the widget under the pointer, as the
// platform's events do.
void ResultsListTest::wheel_and_swipe_leave_the_list_in_place_data()
{
    QTest::addColumn<QPoint>("pixelDelta");
    QTest::addColumn<QPoint>("angleDelta");
    QTest::addColumn<bool>("errorRow");
    QTest::newRow("swipe left") << QPoint(-50, 0) << QPoint(-120, 0) << false;
    QTest::newRow("horizontal wheel") << QPoint() << QPoint(-240, 0) << false;
    QTest::newRow("wheel down over an error row") << QPoint() << QPoint(0, -360) << true;
}

void ResultsListTest::wheel_and_swipe_leave_the_list_in_place()
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

void ResultsListTest::results_are_black_on_yellow_with_or_without_focus()
{
    QWidget host;
    auto* list = new ResultsList(&host);
    auto* other = new QLineEdit(&host);
    list->setGeometry(0, 0, 410, 115);
    other->setGeometry(0, 120, 100, 20);
    host.show();
    list->FillResultsList(SampleRows());
    QCOMPARE(list->rowCount(), 4);
    QCOMPARE(list->selectionModel()->selectedRows().size(), 4);
    QCOMPARE(list->item(0, 1)->text(), QStringLiteral("151 W"));
    QCOMPARE(list->item(3, 1)->text(), QStringLiteral("1.0 ºK"));
    for (QWidget* focus : {static_cast<QWidget*>(list), static_cast<QWidget*>(other)}) {
        focus->setFocus();
        const QImage image = list->grab().toImage();
        for (int row = 0; row < 4; ++row) {
            const QRect cell = list->visualRect(list->model()->index(row, 1)).translated(list->viewport()->pos());
            QCOMPARE(image.pixelColor(cell.left() + 120, cell.center().y()), Palette::kYellow);
        }
    }
}

void ResultsListTest::error_row_replaces_the_results()
{
    ResultsList list;
    list.resize(410, 115);
    list.show();
    list.FillResultsList(SampleRows());
    list.ClearResultsList();
    list.ShowErrorRow(QStringLiteral("Width out of range"), QStringLiteral("100 - 5000 mm"));
    QCOMPARE(list.rowCount(), 1);
    QVERIFY(list.selectionModel()->selectedRows().isEmpty());
    QCOMPARE(list.item(0, 1)->text(), QStringLiteral("100 - 5000 mm"));
    const QRect cell = list.visualRect(list.model()->index(0, 1)).translated(list.viewport()->pos());
    QCOMPARE(PixelOf(list, QPoint(cell.left() + 130, cell.center().y())), Palette::kPale);
}

void ResultsListTest::click_asks_for_a_recalculation_which_restores_the_rows()
{
    ResultsList list;
    list.resize(410, 115);
    list.show();
    list.FillResultsList(SampleRows());
    QSignalSpy clicked(&list, &ResultsList::clicked);
    const QRect row2 = list.visualRect(list.model()->index(2, 0));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, row2.center());
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(list.selectionModel()->selectedRows().size(), 1); // the click took the highlight away
    list.ClearResultsList();
    list.FillResultsList(SampleRows());
    QCOMPARE(list.selectionModel()->selectedRows().size(), 4);
    // Empty space below the rows counts as a click too.
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(100, list.viewport()->height() - 2));
    QCOMPARE(clicked.count(), 2);
}

void ResultsListTest::clearing_stops_drawing_until_filled()
{
    ResultsList list;
    list.show();
    list.ClearResultsList();
    QVERIFY(!list.updatesEnabled());
    QCOMPARE(list.rowCount(), 0);
    list.FillResultsList(SampleRows());
    QVERIFY(list.updatesEnabled());
    list.ClearResultsList();
    list.ShowErrorRow(QStringLiteral("x"), {});
    QVERIFY(list.updatesEnabled());
}

void ResultsListTest::header_is_a_blue_band_with_white_titles()
{
    ResultsList list;
    list.resize(410, 115);
    list.show();
    ResultsHeader* header = list.Header();
    QCOMPARE(header->height(), ResultsHeader::kHeight);
    const QImage image = header->grab().toImage();
    QCOMPARE(image.pixelColor(15, header->height() / 2), Palette::kBlue);
    const QRect title = NearExtent(image.copy(0, 2, image.width(), image.height() - 4), Palette::kWhite, 60);
    QVERIFY(title.width() > 100); // the centred title
    QVERIFY(qAbs(title.center().x() - 130) <= 3);
    QCOMPARE(image.pixelColor(1, 0), Artwork::Bitmap(Artwork::kHeaderLeft).toImage().pixelColor(1, 0));
}

QTEST_MAIN(ResultsListTest)
#include "tst_resultslist.moc"
