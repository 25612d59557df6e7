// The What If window at 1920x1080: a 1,000-point sweep recalculated and its chart repainted (the
// aim: under 16 ms, one frame), and a goal seek (the aim: under 5 ms). Run with
// QT_QPA_PLATFORM=offscreen when there is no display.

#include "mainwindow/CommandMenu.h"
#include "mainwindow/DoraRiveDlg.h"
#include "mainwindow/SeekPanel.h"
#include "mainwindow/WhatIfWindow.h"
#include "presentation/SweepChart.h"
#include "storage/MemoryProfileStore.h"

#include <QAction>
#include <QtTest>

class BenchWhatIf : public QObject {
    Q_OBJECT

private:
    MemoryProfileStore store_;
    std::unique_ptr<DoraRiveDlg> window_;
    WhatIfWindow* whatIf_ = nullptr;

private slots:
    void initTestCase()
    {
        window_ = std::make_unique<DoraRiveDlg>(store_);
        window_->Commands()->Action(CommandMenu::Command::WhatIf)->trigger();
        whatIf_ = window_->WhatIf();
        whatIf_->resize(1920, 1080);
        whatIf_->ChooseInput(InputField::iInsulation);
        QCoreApplication::processEvents();
    }
    void cleanupTestCase() { window_.reset(); }

    void sweep_of_1000_points_recalculated_and_repainted()
    {
        bool wide = false;
        QBENCHMARK
        {
            // A new range each time, so every pass calculates and paints all of it.
            wide = !wide;
            whatIf_->SetRange(10, wide ? 100 : 99, 999);
            whatIf_->Chart()->repaint();
        }
        QCOMPARE(whatIf_->Points().size(), size_t(1000));
        QVERIFY(whatIf_->Chart()->width() > 900);
    }

    // The calculation's share of the above, without the painting.
    void sweep_of_1000_points_recalculated()
    {
        bool wide = false;
        QBENCHMARK
        {
            wide = !wide;
            whatIf_->SetRange(10, wide ? 100 : 99, 999);
        }
    }

    void goal_seek()
    {
        whatIf_->SetRange(10, 200, 100);
        whatIf_->Seek()->SetGoal("requestedCapacity", 45);
        QBENCHMARK
        {
            whatIf_->Seek()->Find();
        }
        QCOMPARE(whatIf_->Seek()->Answer().answers.size(), size_t(1));
    }
};

QTEST_MAIN(BenchWhatIf)
#include "bench_whatif.moc"
