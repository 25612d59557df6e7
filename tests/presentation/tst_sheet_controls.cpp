// The results list and the owner-drawn controls, driven with mouse and focus events.
#include "presentation/Artwork.h"
#include "presentation/Palette.h"
#include "presentation/ResultsHeader.h"
#include "presentation/ResultsList.h"
#include "presentation/ShadeButton.h"
#include "presentation/SkinCombo.h"
#include "presentation/TipWindow.h"

#include <QAbstractItemView>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

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

QColor PixelOf(QWidget& widget, const QPoint& at)
{
    return widget.grab().toImage().pixelColor(at);
}

// The bounding box of the pixels of one colour: where a caption was drawn.
QRect Extent(const QImage& image, const QColor& colour)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                box |= QRect(x, y, 1, 1);
    return box;
}

// Pixels close to a colour: antialiased small text rarely hits its colour exactly.
QRect NearExtent(const QImage& image, const QColor& colour, int tolerance = 40)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (qAbs(c.red() - colour.red()) <= tolerance && qAbs(c.green() - colour.green()) <= tolerance &&
                qAbs(c.blue() - colour.blue()) <= tolerance)
                box |= QRect(x, y, 1, 1);
        }
    return box;
}

void StyleAsTheWindowDoes(ShadeButton& b, const QString& tooltip)
{
    b.SetTooltipText(tooltip, {});
    b.SetFont(QStringLiteral("Arial"), 16, 400);
    b.SetTextColour(Palette::kWhite);
    b.SetShade(3, 0, 0, 0, Palette::kDarkBlue, Palette::kBlue, Palette::kBlue, Palette::kBlue);
}

} // namespace

class ResultsListTest : public QObject {
    Q_OBJECT
private slots:
    void columns_and_scroll_bars();
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

class SkinComboTest : public QObject {
    Q_OBJECT
private slots:
    void focus_turns_the_face_blue();
    void open_list_shows_the_dropped_button();
    void list_items_follow_the_highlight();
};

void SkinComboTest::focus_turns_the_face_blue()
{
    QWidget host;
    auto* combo = new SkinCombo(&host);
    auto* other = new QLineEdit(&host);
    combo->addItems({QStringLiteral("Polyurethane foam"), QStringLiteral("Rockwool")});
    combo->setGeometry(10, 10, 160, 23);
    other->setGeometry(10, 50, 100, 20);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    const QPoint inner(combo->InnerRect().right() - 3, combo->InnerRect().center().y());
    other->setFocus();
    QCOMPARE(PixelOf(*combo, inner), Palette::kPale);
    combo->setFocus();
    QVERIFY(combo->hasFocus());
    QCOMPARE(PixelOf(*combo, inner), Palette::kBlue);
    const QRect text = Extent(combo->grab().toImage().copy(combo->InnerRect()), Palette::kWhite);
    QVERIFY(text.isValid());
    QVERIFY(text.left() + combo->InnerRect().left() >= SkinCombo::kTextLeft);
    other->setFocus();
    QCOMPARE(PixelOf(*combo, inner), Palette::kPale);
}

void SkinComboTest::open_list_shows_the_dropped_button()
{
    SkinCombo combo;
    combo.addItems({QStringLiteral("A"), QStringLiteral("B")});
    combo.resize(160, 23);
    combo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&combo));
    const QImage normal = Artwork::Bitmap(Artwork::kComboButton).toImage();
    const QImage dropped = Artwork::Bitmap(Artwork::kComboButtonDropped).toImage();
    const QPoint inButton(combo.width() - 20 + 3, 5);
    QCOMPARE(PixelOf(combo, inButton), normal.pixelColor(3, 5));
    combo.showPopup();
    QVERIFY(combo.IsDropped());
    QCOMPARE(PixelOf(combo, inButton), dropped.pixelColor(3, 5));
    QVERIFY(normal.pixelColor(3, 5) != dropped.pixelColor(3, 5));
    // Closing without a choice brings the normal button back, as does choosing.
    QTest::keyClick(combo.view(), Qt::Key_Escape);
    QTRY_VERIFY(!combo.IsDropped());
    QCOMPARE(PixelOf(combo, inButton), normal.pixelColor(3, 5));
    combo.showPopup();
    combo.hidePopup();
    QVERIFY(!combo.IsDropped());
}

void SkinComboTest::list_items_follow_the_highlight()
{
    SkinCombo combo;
    combo.addItems({QStringLiteral("Cream"), QStringLiteral("Milk"), QStringLiteral("Beer")});
    combo.resize(160, 23);
    combo.show();
    combo.setCurrentIndex(1);
    combo.showPopup();
    QAbstractItemView* view = combo.view();
    QVERIFY(view->isVisible());
    QCOMPARE(view->visualRect(view->model()->index(0, 0)).height(), SkinCombo::kItemHeight);
    // The list drops below the box rather than covering it.
    QVERIFY(view->window()->geometry().top() >= combo.mapToGlobal(QPoint(0, combo.height() - 1)).y());
    const QImage image = view->viewport()->grab().toImage();
    const QRect current = view->visualRect(view->model()->index(1, 0));
    const QRect plain = view->visualRect(view->model()->index(2, 0));
    QCOMPARE(image.pixelColor(current.right() - 3, current.top() + 3), Palette::kBlue);
    QCOMPARE(image.pixelColor(plain.right() - 3, plain.top() + 3), Palette::kPale);
    combo.hidePopup();
}

class ShadeButtonTest : public QObject {
    Q_OBJECT
private slots:
    void window_settings_give_one_flat_blue_data();
    void window_settings_give_one_flat_blue();
    void ramp_runs_from_light_to_dark();
    void hover_follows_the_pointer();
    void press_shifts_the_caption_by_one_pixel();
    void drag_off_and_release_does_not_click();
    void tooltip_shows_its_text_within_300();
    void disabled_button_neither_hovers_nor_clicks();
};

void ShadeButtonTest::window_settings_give_one_flat_blue_data()
{
    QTest::addColumn<int>("face");
    QTest::newRow("normal") << int(ShadeButton::Normal);
    QTest::newRow("hover") << int(ShadeButton::Hover);
    QTest::newRow("pressed") << int(ShadeButton::Pressed);
    QTest::newRow("disabled") << int(ShadeButton::Disabled);
}

void ShadeButtonTest::window_settings_give_one_flat_blue()
{
    QFETCH(int, face);
    ShadeButton b(QStringLiteral("Units"));
    b.resize(80, 25);
    StyleAsTheWindowDoes(b, QStringLiteral("Specify unit options"));
    for (int x : {0, 40, 79})
        QCOMPARE(b.FaceColour(ShadeButton::Face(face), x), Palette::kBlue);
}

void ShadeButtonTest::ramp_runs_from_light_to_dark()
{
    ShadeButton b(QStringLiteral("x"));
    b.resize(255, 25);
    b.SetShade(3, 0, 50, 0, Qt::black, Qt::white, QColor(128, 128, 128), Qt::black);
    QCOMPARE(b.FaceColour(ShadeButton::Normal, 0), QColor(Qt::white));
    QCOMPARE(b.FaceColour(ShadeButton::Normal, 127), QColor(128, 128, 128)); // the middle entry
    QCOMPARE(b.FaceColour(ShadeButton::Normal, 254), QColor(1, 1, 1));
    // Hover is half-way toward the light colour.
    QCOMPARE(b.FaceColour(ShadeButton::Hover, 127), QColor(191, 191, 191));
}

void ShadeButtonTest::hover_follows_the_pointer()
{
    QWidget host;
    host.resize(300, 100);
    auto* b = new ShadeButton(QStringLiteral("Print"), &host);
    b->setGeometry(100, 30, 80, 25);
    StyleAsTheWindowDoes(*b, QStringLiteral("Print current calculation"));
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QTest::mouseMove(&host, QPoint(10, 10));
    QVERIFY(!b->IsHovering());
    QTest::mouseMove(&host, QPoint(140, 40));
    QTRY_VERIFY(b->IsHovering());
    QCOMPARE(b->CurrentFace(), ShadeButton::Hover);
    QTest::mouseMove(&host, QPoint(10, 10));
    QTRY_VERIFY(!b->IsHovering());
    QCOMPARE(b->CurrentFace(), ShadeButton::Normal);
}

void ShadeButtonTest::press_shifts_the_caption_by_one_pixel()
{
    ShadeButton b(QStringLiteral("Help"));
    b.resize(80, 25);
    StyleAsTheWindowDoes(b, QStringLiteral("Display help information"));
    b.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b));
    const QRect up = Extent(b.grab().toImage(), Palette::kWhite);
    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(40, 12));
    QVERIFY(b.IsTracking());
    QCOMPARE(b.CurrentFace(), ShadeButton::Pressed);
    const QImage pressed = b.grab().toImage();
    QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(40, 12));
    QVERIFY(!b.IsTracking());
    // The caption, without the edge's white line, moves down and right by one pixel.
    const QRect inner(6, 4, 68, 17);
    const QRect upCaption = Extent(b.grab().toImage().copy(inner), Palette::kWhite);
    const QRect downCaption = Extent(pressed.copy(inner), Palette::kWhite);
    QVERIFY(up.isValid());
    QCOMPARE(downCaption.topLeft(), upCaption.topLeft() + QPoint(1, 1));
    QCOMPARE(pressed.pixelColor(40, 2), Palette::kBlue);
}

void ShadeButtonTest::drag_off_and_release_does_not_click()
{
    QWidget host;
    host.resize(300, 100);
    auto* b = new ShadeButton(QStringLiteral("Units"), &host);
    b->setGeometry(100, 30, 80, 25);
    StyleAsTheWindowDoes(*b, QStringLiteral("Specify unit options"));
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QSignalSpy clicked(b, &QPushButton::clicked);
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(40, 12));
    QTest::mouseMove(b, QPoint(200, 60));
    QVERIFY(!b->isDown());
    QCOMPARE(b->CurrentFace(), ShadeButton::Normal);
    QTest::mouseMove(b, QPoint(40, 12));
    QVERIFY(b->isDown());
    QTest::mouseMove(b, QPoint(200, 60));
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(200, 60));
    QCOMPARE(clicked.count(), 0);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(40, 12));
    QCOMPARE(clicked.count(), 1);
}

void ShadeButtonTest::tooltip_shows_its_text_within_300()
{
    QWidget host;
    host.resize(300, 100);
    auto* b = new ShadeButton(QStringLiteral("Product Selection"), &host);
    b->setGeometry(50, 30, 150, 25);
    StyleAsTheWindowDoes(*b, QStringLiteral("Product selection web pages."));
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QHelpEvent help(QEvent::ToolTip, QPoint(20, 10), b->mapToGlobal(QPoint(20, 10)));
    QApplication::sendEvent(b, &help);
    QVERIFY(b->Tooltip()->isVisible());
    QCOMPARE(b->Tooltip()->text(), QStringLiteral("Product selection web pages."));
    QCOMPARE(b->Tooltip()->maximumWidth(), 300);
    b->SetTooltipText(QString(200, QChar(u'w')), {});
    QVERIFY(b->Tooltip()->width() <= 300);
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(20, 10));
    QVERIFY(!b->Tooltip()->isVisible());
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(20, 10));
}

void ShadeButtonTest::disabled_button_neither_hovers_nor_clicks()
{
    ShadeButton b(QStringLiteral("Print"));
    b.resize(80, 25);
    StyleAsTheWindowDoes(b, QStringLiteral("Print current calculation"));
    b.setEnabled(false);
    b.show();
    QSignalSpy clicked(&b, &QPushButton::clicked);
    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(40, 12));
    QCOMPARE(clicked.count(), 0);
    QCOMPARE(b.CurrentFace(), ShadeButton::Disabled);
    // The caption is embossed in the platform's grey instead of the text colour.
    const QImage face = b.grab().toImage().copy(6, 4, 68, 17);
    QVERIFY(NearExtent(face, b.palette().color(QPalette::Disabled, QPalette::Text), 30).width() > 20);
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int status = 0;
    {
        ResultsListTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        SkinComboTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        ShadeButtonTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}

#include "tst_sheet_controls.moc"
