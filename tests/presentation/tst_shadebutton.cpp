// The shaded buttons, driven with mouse and help events.
#include "PixelProbes.h"
#include "TestEnvironment.h"
#include "presentation/Palette.h"
#include "presentation/ShadeButton.h"
#include "presentation/TipWindow.h"

#include <QApplication>
#include <QHelpEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

void StyleAsTheWindowDoes(ShadeButton& b, const QString& tooltip)
{
    b.SetTooltipText(tooltip, {});
    b.SetFont(QStringLiteral("Arial"), 16, 400);
    b.SetTextColour(Palette::kWhite);
    b.SetShade(3, 0, 0, 0, Palette::kDarkBlue, Palette::kBlue, Palette::kBlue, Palette::kBlue);
}

} // namespace

class ShadeButtonTest : public QObject {
    Q_OBJECT
public:
    static void initMain() { TestEnvironment::Isolate(); }

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
    QCOMPARE(b->CurrentFace(), ShadeButton::Normal);
    QTest::mouseMove(&host, QPoint(140, 40));
    QTRY_COMPARE(b->CurrentFace(), ShadeButton::Hover);
    QTest::mouseMove(&host, QPoint(10, 10));
    QTRY_COMPARE(b->CurrentFace(), ShadeButton::Normal);
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

QTEST_MAIN(ShadeButtonTest)
#include "tst_shadebutton.moc"
