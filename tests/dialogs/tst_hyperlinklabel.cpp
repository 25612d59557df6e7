#include "ModalCloser.h"
#include "StandInOpeners.h"
#include "TestEnvironment.h"
#include "dialogs/HyperLinkLabel.h"
#include "dialogs/OpenError.h"

#include <QtTest>

namespace {

const QColor kNormal{0, 0, 238};
const QColor kVisited{85, 26, 139};
const QColor kHover{255, 0, 0};

void Click(HyperLinkLabel& label)
{
    QTest::mouseClick(&label, Qt::LeftButton, {}, label.rect().center());
}

} // namespace

class HyperLinkLabelTest : public QObject {
    Q_OBJECT

public:
    static void initMain() { TestEnvironment::Isolate(); }

private slots:
    void starts_as_an_unvisited_link();
    void address_sets_tooltip_and_width();
    void label_without_address_opens_caption();
    void failed_click_after_success_clears_visited();
    void leave_check_restores_font_and_colour_data();
    void leave_check_restores_font_and_colour();
    void fitted_geometry_keeps_alignment_edge_data();
    void fitted_geometry_keeps_alignment_edge();
    void colour_set_with_no_hover_uses_highlight();
};

void HyperLinkLabelTest::starts_as_an_unvisited_link()
{
    HyperLinkLabel label(QStringLiteral("Visit Nordavik on the Web"));
    QCOMPARE(label.NormalColor(), kNormal);
    QCOMPARE(label.VisitedColor(), kVisited);
    QCOMPARE(label.HoverColor(), kHover);
    QCOMPARE(label.BackgroundColor(), label.palette().color(QPalette::Button));
    QVERIFY(!label.IsVisited());
    QVERIFY(!label.IsOver());
    QCOMPARE(label.UnderlineRule(), -1);
    QVERIFY(label.FitsToText());
    QCOMPARE(label.cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(label.ShownColor(), kNormal);
    QVERIFY(!label.ShownFont().underline());

    label.SetPointerCursor(QCursor(Qt::CrossCursor));
    QCOMPARE(label.cursor().shape(), Qt::CrossCursor);
    label.SetPointerCursor(std::nullopt);
    QCOMPARE(label.cursor().shape(), Qt::PointingHandCursor);
}

void HyperLinkLabelTest::address_sets_tooltip_and_width()
{
    HyperLinkLabel label(QStringLiteral("Home"));
    label.SetAddress(QStringLiteral("https://nordavik.example/"));
    QCOMPARE(label.Address(), QStringLiteral("https://nordavik.example/"));
    QCOMPARE(label.toolTip(), QStringLiteral("https://nordavik.example/"));
    const int advance = QFontMetrics(label.ShownFont()).horizontalAdvance(QStringLiteral("Home"));
    QVERIFY2(label.width() >= advance && label.width() <= advance + 2, qPrintable(QString::number(label.width())));
    QCOMPARE(label.sizeHint(), label.size());

    label.SetFitToText(false);
    label.resize(300, 40);
    label.SetAddress(QStringLiteral("https://nordavik.example/product-selection"));
    QCOMPARE(label.size(), QSize(300, 40));
}

void HyperLinkLabelTest::label_without_address_opens_caption()
{
    StandInOpeners openers;
    openers.Write(QStringLiteral("xdg-open"), 0);
    HyperLinkLabel label(QStringLiteral("https://nordavik.example/from-caption"));
    QCOMPARE(label.Address(), QStringLiteral("https://nordavik.example/from-caption"));
    Click(label);
    QTRY_VERIFY(label.IsVisited());
    QCOMPARE(openers.Arguments(QStringLiteral("xdg-open")), QStringList{label.Address()});
    QCOMPARE(label.ShownColor(), kVisited);
}

void HyperLinkLabelTest::failed_click_after_success_clears_visited()
{
    HyperLinkLabel label(QStringLiteral("Home"));
    label.SetAddress(QStringLiteral("https://nordavik.example/home"));
    {
        StandInOpeners openers;
        openers.Write(QStringLiteral("xdg-open"), 0);
        Click(label);
        QTRY_VERIFY(label.IsVisited());
    }
    // xdg-open runs and fails ("no method available"), and the test desktop has no browser.
    ModalCloser closer;
    StandInOpeners openers;
    openers.Write(QStringLiteral("xdg-open"), 3);
    Click(label);
    QTRY_COMPARE(closer.texts, QStringList{OpenErrorMessage(31, QStringLiteral("https://nordavik.example/home"))});
    QVERIFY(openers.Ran(QStringLiteral("xdg-open")));
    QVERIFY(!label.IsVisited());
    QCOMPARE(label.ShownColor(), kNormal);
    QCOMPARE(closer.icons.value(0), QMessageBox::Warning);
}

void HyperLinkLabelTest::leave_check_restores_font_and_colour_data()
{
    QTest::addColumn<int>("rule");
    QTest::addColumn<bool>("underlinedOver");
    QTest::addColumn<bool>("underlinedAfter");
    QTest::newRow("underlined while over") << -1 << true << false;
    QTest::newRow("always underlined") << 1 << true << true;
    QTest::newRow("never underlined") << 0 << false << false;
}

void HyperLinkLabelTest::leave_check_restores_font_and_colour()
{
    QFETCH(int, rule);
    QFETCH(bool, underlinedOver);
    QFETCH(bool, underlinedAfter);
    QWidget window;
    window.resize(400, 200);
    auto* label = new HyperLinkLabel(QStringLiteral("Visit Nordavik on the Web"), &window);
    label->move(20, 20);
    label->SetUnderlineRule(rule);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCursor::setPos(label->mapToGlobal(label->rect().center()));
    QTest::mouseMove(label, label->rect().center());
    QVERIFY(label->IsOver());
    QCOMPARE(label->ShownColor(), kHover);
    QCOMPARE(label->ShownFont().underline(), underlinedOver);

    // Still over after a check or two.
    QTest::qWait(2 * HyperLinkLabel::kLeaveCheckMs + 20);
    QVERIFY(label->IsOver());

    QElapsedTimer sinceLeaving;
    QCursor::setPos(window.mapToGlobal(QPoint(390, 190)));
    sinceLeaving.start();
    QTRY_VERIFY_WITH_TIMEOUT(!label->IsOver(), 1000);
    QCOMPARE(label->ShownColor(), kNormal);
    QCOMPARE(label->ShownFont().underline(), underlinedAfter);
    // Generous against a loaded machine, yet a leave check that never ran would not pass.
    QVERIFY(sinceLeaving.elapsed() < 1000);
}

void HyperLinkLabelTest::fitted_geometry_keeps_alignment_edge_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QRect>("fitted");
    // From (100, 50, 200 x 30) to a 80 x 20 text with a 2-pixel frame: 84 x 24.
    QTest::newRow("left") << int(Qt::AlignLeft | Qt::AlignVCenter) << QRect(100, 50, 84, 24);
    QTest::newRow("centre keeps the centre") << int(Qt::AlignHCenter) << QRect(158, 50, 84, 24);
    QTest::newRow("centre both ways") << int(Qt::AlignCenter) << QRect(158, 50, 84, 24);
    QTest::newRow("right keeps the right edge") << int(Qt::AlignRight) << QRect(216, 50, 84, 24);
    QTest::newRow("justified counts as left") << int(Qt::AlignJustify) << QRect(100, 50, 84, 24);
}

void HyperLinkLabelTest::fitted_geometry_keeps_alignment_edge()
{
    QFETCH(int, alignment);
    QFETCH(QRect, fitted);
    QCOMPARE(HyperLinkLabel::FittedGeometry(QRect(100, 50, 200, 30), QSize(80, 20), QMargins(2, 2, 2, 2),
                                            Qt::Alignment(alignment)),
             fitted);
}

void HyperLinkLabelTest::colour_set_with_no_hover_uses_highlight()
{
    HyperLinkLabel label(QStringLiteral("Home"));
    label.SetColorSet(Qt::white, label.NormalColor(), label.VisitedColor(), QColor());
    QCOMPARE(label.BackgroundColor(), QColor(Qt::white));
    QCOMPARE(label.HoverColor(), label.palette().color(QPalette::Highlight));
    QCOMPARE(label.NormalColor(), kNormal);
}

QTEST_MAIN(HyperLinkLabelTest)
#include "tst_hyperlinklabel.moc"
