// The owner-drawn selection box: its face with and without focus, and its list.
#include "PixelProbes.h"
#include "TestEnvironment.h"
#include "presentation/Artwork.h"
#include "presentation/Palette.h"
#include "presentation/SkinCombo.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QTest>

class SkinComboTest : public QObject {
    Q_OBJECT
public:
    static void initMain() { TestEnvironment::Isolate(); }

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

QTEST_MAIN(SkinComboTest)
#include "tst_skincombo.moc"
