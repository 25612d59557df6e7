// The main window's tips under a real X server with a real pointer: a tip that comes up under the
// pointer must let it through and stay, and moving from the window's surface onto one of its
// controls must close the tip, as leaving the window does.

#include "common/XvfbDisplay.h"
#include "controls/NumericEdit.h"
#include "mainwindow/DoraRiveDlg.h"
#include "mainwindow/Layout.h"
#include "presentation/SheetGeometry.h"
#include "storage/MemoryProfileStore.h"

#include <QCursor>
#include <QScreen>
#include <QtTest>

#include <cstdio>
#include <memory>

namespace {

// Counts how often a widget is hidden: a tip that flickers is hidden and shown again, which a
// look at the end alone would miss.
class HideCounter : public QObject {
public:
    explicit HideCounter(QWidget* watched) { watched->installEventFilter(this); }
    int hides = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Hide)
            ++hides;
        return false;
    }
};

QWidget* ShownTip()
{
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->windowFlags().testFlag(Qt::ToolTip) && top->isVisible())
            return top;
    return nullptr;
}

// Moves the real pointer; the X server then sends the crossing and motion events itself.
void PointTo(const QWidget& w, QPoint local)
{
    QCursor::setPos(w.mapToGlobal(local));
}

} // namespace

class PointerTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MemoryProfileStore> store_;
    std::unique_ptr<DoraRiveDlg> window_;

    DoraRiveDlg& Open()
    {
        window_ = std::make_unique<DoraRiveDlg>(*store_);
        window_->activateWindow(); // buttons show tips in the active window only
        if (!QTest::qWaitForWindowActive(window_.get()))
            qWarning("the window did not become active");
        window_->repaint(); // the paint registers the hot spots
        return *window_;
    }
    QPoint ResultSpot(int index) const
    {
        const DoraRiveDlg& w = *window_;
        const SheetPoint p = SheetGeometry::ResultHotSpotPoint(w.CurrentLayout().formLeft, w.height(), index);
        return {p.x + 5, p.y + 5};
    }

private slots:
    void init()
    {
        store_ = std::make_unique<MemoryProfileStore>();
        QCursor::setPos(0, 0);
    }
    void cleanup() { window_.reset(); }

    void tip_over_the_pointer_lets_it_through_and_stays()
    {
        // The T Evaporator help is tall and stands 95 pixels above its marker, over the pointer.
        DoraRiveDlg& w = Open();
        PointTo(w, ResultSpot(1));
        QTRY_VERIFY(ShownTip());
        QWidget* tip = ShownTip();
        QVERIFY(tip->geometry().contains(QCursor::pos()));
        HideCounter counter(tip);
        PointTo(w, ResultSpot(1) + QPoint(3, 2)); // a small move within the marker
        QTest::qWait(600);
        QCOMPARE(counter.hides, 0);
        QVERIFY(tip->isVisible());
    }

    void button_tip_at_the_screen_bottom_stays()
    {
        DoraRiveDlg& w = Open();
        QWidget* help = w.Control(ControlId::HelpButton);
        const QPoint lowerHalf(help->width() / 2, help->height() * 3 / 4);
        QVERIFY(help->mapToGlobal(lowerHalf).y() + 20 > w.screen()->geometry().bottom() - 20);
        QCursor::setPos(help->mapToGlobal(lowerHalf));
        QTRY_VERIFY_WITH_TIMEOUT(ShownTip(), 5000); // after the platform's tooltip delay
        QWidget* tip = ShownTip();
        QVERIFY(tip->geometry().contains(QCursor::pos()));
        HideCounter counter(tip);
        QTest::qWait(1500); // long enough for a hidden tip to come back once
        QCOMPARE(counter.hides, 0);
    }

    void moving_from_a_marker_onto_the_results_list_closes_the_tip()
    {
        // The capacity help stands clear of the list, so only the move can close it.
        DoraRiveDlg& w = Open();
        PointTo(w, ResultSpot(0));
        QTRY_VERIFY(ShownTip());
        QWidget* tip = ShownTip();
        const QWidget* list = w.Control(ControlId::ResultsList);
        // Still within the marker's sensitive square, which reaches into the list.
        const QPoint onList(list->x() + 8, ResultSpot(0).y());
        QVERIFY(list->geometry().contains(onList));
        PointTo(w, onList);
        QTRY_VERIFY(!tip->isVisible());
        PointTo(w, onList + QPoint(3, 3)); // moves over the list keep it closed
        QTest::qWait(300);
        QVERIFY(!tip->isVisible());
        PointTo(w, ResultSpot(0)); // and back on the marker it opens again
        QTRY_VERIFY(tip->isVisible());
    }

    void jumping_from_a_label_onto_its_field_closes_the_tip()
    {
        DoraRiveDlg& w = Open();
        const QWidget* ambient = w.Field(InputField::iAmbient);
        const int rowTop = ambient->y();
        PointTo(w, QPoint(w.CurrentLayout().formLeft + 20 + 60, rowTop + 5)); // "   Ambient temperature"
        QTRY_VERIFY(ShownTip());
        QWidget* tip = ShownTip();
        PointTo(w, ambient->geometry().center());
        QTRY_VERIFY(!tip->isVisible());
    }
};

int main(int argc, char** argv)
{
    XvfbDisplay display;
    if (!display.Running()) {
        std::fprintf(stderr, "Xvfb (package xvfb) is needed to move a real pointer\n");
        return 1;
    }
    QApplication app(argc, argv);
    PointerTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pointer.moc"
