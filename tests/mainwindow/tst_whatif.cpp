// The What If window on the real main window: opened by its key and only then, closed with the
// window; the sweep follows the form and stops where a check does; the goal seek's answer goes
// into the form and back; variants side by side, back into the form, into files and from files;
// its own settings section; the sweep out of the window as dorarive-calc prints it.

#include "ModalCloser.h"
#include "TestEnvironment.h"
#include "controls/NumericEdit.h"
#include "mainwindow/CommandMenu.h"
#include "mainwindow/DoraRiveDlg.h"
#include "mainwindow/SeekPanel.h"
#include "mainwindow/VariantComparison.h"
#include "mainwindow/WhatIfWindow.h"
#include "model/ResultRows.h"
#include "presentation/ChartExport.h"
#include "presentation/SweepChart.h"
#include "storage/CalcTable.h"
#include "storage/InputAssignments.h"
#include "storage/MemoryProfileStore.h"
#include "storage/StoredInputs.h"

#include <QAction>
#include <QClipboard>
#include <QHeaderView>
#include <QImage>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <memory>

class WhatIfTest : public QObject {
    Q_OBJECT

public:
    static void initMain() { TestEnvironment::Isolate(); }

private:
    QTemporaryDir dir_;
    std::unique_ptr<MemoryProfileStore> store_;
    std::unique_ptr<DoraRiveDlg> window_;

    WhatIfWindow& Open()
    {
        window_ = std::make_unique<DoraRiveDlg>(*store_);
        window_->show();
        window_->Commands()->Action(CommandMenu::Command::WhatIf)->trigger();
        return *window_->WhatIf();
    }
    // The sweep point at a value, which must be one of the sweep's.
    const SweepPoint& At(const WhatIfWindow& w, double x)
    {
        for (const SweepPoint& p : w.Points())
            if (qAbs(p.chart.x - x) < 1e-9)
                return p;
        qFatal("no point at %f", x);
    }
    void Type(InputField field, const QString& text)
    {
        window_->Field(field)->PasteOver(text);
        window_->Recalculate();
    }

private slots:
    void init() { store_ = std::make_unique<MemoryProfileStore>(); }
    void cleanup() { window_.reset(); }

    void opens_by_its_key_once_and_goes_with_the_window();
    void sweep_follows_the_form_and_stops_where_a_check_does();
    void chart_follows_a_change_of_units_and_the_pointer();
    void goal_seek_answer_goes_into_the_form_and_back();
    void variants_side_by_side();
    void range_is_stored_in_its_own_section();
    void sweep_leaves_as_dorarive_calc_prints_it();
    void chart_as_picture_files_and_on_paper();
};

void WhatIfTest::opens_by_its_key_once_and_goes_with_the_window()
{
    window_ = std::make_unique<DoraRiveDlg>(*store_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QVERIFY(!window_->WhatIf()); // nothing of it is made at start
    QAction* action = window_->Commands()->Action(CommandMenu::Command::WhatIf);
    QCOMPARE(action->shortcut(), QKeySequence(Qt::ALT | Qt::Key_I));
    // The key works from a field, and no field's editing takes Alt.
    window_->activateWindow();
    window_->Field(InputField::iDepth)->setFocus();
    QTest::keyClick(window_->Field(InputField::iDepth), Qt::Key_I, Qt::AltModifier);
    WhatIfWindow* w = window_->WhatIf();
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QCOMPARE(window_->Field(InputField::iDepth)->CurrentText(), QStringLiteral("400"));
    action->trigger();
    QCOMPARE(window_->WhatIf(), w); // one per window
    window_->close();
    QVERIFY(!w->isVisible());
}

void WhatIfTest::sweep_follows_the_form_and_stops_where_a_check_does()
{
    WhatIfWindow& w = Open();
    w.ChooseInput(InputField::iInsulation);
    // The current value and half of it either side, in 100 steps.
    QCOMPARE(w.From(), 25.0);
    QCOMPARE(w.To(), 75.0);
    QCOMPARE(w.Points().size(), size_t(101));
    QCOMPARE(w.InputLabel(), QStringLiteral("Cabinet Design: Insulation thickness (mm)"));
    QVERIFY(qAbs(At(w, 50).chart.requested - window_->Results().requestedCapacity) < 1e-9);

    const int sweeps = w.SweepCount();
    Type(InputField::iWidth, QStringLiteral("600"));
    QVERIFY(w.SweepCount() > sweeps);
    QVERIFY(qAbs(At(w, 50).chart.requested - window_->Results().requestedCapacity) < 1e-9);
    QCOMPARE(w.Chart()->Points().size(), size_t(101));

    w.SetRange(0, 60, 60);
    QVERIFY(!At(w, 4).chart.completed);
    QVERIFY(At(w, 5).chart.completed);
    QCOMPARE(QString::fromStdString(At(w, 0).message), QStringLiteral("Invalid insulation thickness. 5mm to 500mm"));
    // The points as a table a reader can walk: a row header per point, a column header per value.
    QTableWidget* table = w.PointsTable();
    w.findChild<QTabWidget*>()->setCurrentWidget(table);
    QCOMPARE(table->rowCount(), 61);
    QCOMPARE(table->verticalHeaderItem(50)->text(), QStringLiteral("Cabinet Design: Insulation thickness (mm) 50.00"));
    QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("Requested compressor capacity (W)"));
    QCOMPARE(table->item(50, 0)->text(), QLocale().toString(window_->Results().requestedCapacity, 'f', 1));
}

void WhatIfTest::chart_follows_a_change_of_units_and_the_pointer()
{
    WhatIfWindow& w = Open();
    w.ChooseInput(InputField::iInsulation);
    InputAssignments imperial;
    for (const char* name : kUnitChoiceNames)
        imperial.units[name] = 1;
    window_->PutInputs(imperial); // as opening a file in imperial units
    QCOMPARE(w.InputLabel(), QStringLiteral("Cabinet Design: Insulation thickness (in.)"));
    const double shown = window_->Form().Value(InputField::iInsulation);
    QVERIFY(qAbs(shown - 1.96) < 1e-9);
    QCOMPARE(w.From(), 0.98);
    QCOMPARE(w.To(), 2.94);
    QVERIFY(qAbs(At(w, 1.96).chart.requested - ShownEnergy(window_->Results().requestedCapacity, window_->Units())) <
            1e-9);

    // The pointer over the current value's mark finds that point.
    w.resize(1200, 800);
    SweepChart* chart = w.Chart();
    const ChartGeometry g = chart->GeometryIn(chart->rect());
    QVERIFY(g.markX.has_value());
    const QPointF at(*g.markX, g.plot.top + g.plot.height / 2);
    QMouseEvent move(QEvent::MouseMove, at, chart->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(chart, &move);
    QCOMPARE(chart->Hovered(), 50); // 0.98 + 50 x 0.0196
    QVERIFY(qAbs(w.Points()[50].chart.x - 1.96) < 1e-9);
}

void WhatIfTest::goal_seek_answer_goes_into_the_form_and_back()
{
    WhatIfWindow& w = Open();
    w.ChooseInput(InputField::iInsulation);
    SeekPanel* seek = w.Seek();
    seek->SetGoal("requestedCapacity", 45);
    seek->Find();
    QCOMPARE(seek->Answer().answers.size(), size_t(1));
    seek->UseAnswer();
    const QString answer = window_->Field(InputField::iInsulation)->CurrentText();
    QCOMPARE(answer, QLocale::c().toString(seek->Answer().answers[0], 'f', 2).remove(QRegularExpression("\\.?0+$")));
    QVERIFY(qAbs(window_->Results().requestedCapacity - 45) < 0.05);
    seek->Back();
    QCOMPARE(window_->Field(InputField::iInsulation)->CurrentText(), QStringLiteral("50"));
    QVERIFY(qAbs(window_->Results().requestedCapacity - 54.1836) < 1e-3);

    seek->SetGoal("cabinetLoad", 1);
    seek->Find();
    QVERIFY(seek->Answer().answers.empty());
    QVERIFY(seek->AnswerText().startsWith(QStringLiteral("No value from 25.00 to 75.00 gives Cabinet load 1.0 W")));
}

void WhatIfTest::variants_side_by_side()
{
    WhatIfWindow& w = Open();
    VariantComparison* v = w.Variants();
    v->KeepCurrent();
    Type(InputField::iDepth, QStringLiteral("500"));
    v->KeepCurrent();
    QCOMPARE(v->Count(), 2);
    QCOMPARE(v->NameOf(1), QStringLiteral("B"));
    // Only the input that differs, then every result with its difference to A.
    const QStringList lines = v->TableText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines[0], QStringLiteral("\tA\tB"));
    QCOMPARE(lines[1], QStringLiteral("Depth (inner dimensions) (mm)\t400\t500"));
    QVERIFY(lines.contains(QString::fromUtf8("Requested compressor capacity\t54 W\t61 W (+7 W, +13 %)")));
    v->ShowAllInputs(true);
    QVERIFY(v->Table()->rowCount() > 30);

    v->PutBack(0);
    QCOMPARE(window_->Field(InputField::iDepth)->CurrentText(), QStringLiteral("400"));
    const QString path = dir_.filePath(QStringLiteral("deep.kaldora"));
    QVERIFY(v->SaveAs(1, path));
    QVERIFY(v->AddFile(path));
    QCOMPARE(v->NameOf(2), QStringLiteral("deep.kaldora"));
    QCOMPARE(v->Table()->item(v->Table()->rowCount() - 5, 2)->text(),
             v->Table()->item(v->Table()->rowCount() - 5, 1)->text());
    v->Remove(1);
    QCOMPARE(v->Count(), 2);

    // A refused file says why and adds nothing.
    const QString bad = dir_.filePath(QStringLiteral("bad.kaldora"));
    QFile f(bad);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write("{") > 0);
    f.close();
    QVERIFY(!v->AddFile(bad));
    QCOMPARE(v->Count(), 2);
    QTRY_VERIFY(v->findChild<QMessageBox*>());
}

void WhatIfTest::range_is_stored_in_its_own_section()
{
    {
        WhatIfWindow& w = Open();
        w.ChooseInput(InputField::iTime);
        w.SetRange(2, 9.5, 30);
    }
    window_.reset();
    QCOMPARE(store_->GetProfileInt(WhatIfWindow::kSection, "iInput", 0), int(InputField::iTime));
    QVERIFY(!store_->Has(StoredInputs::kSection, "iInput"));
    WhatIfWindow& again = Open();
    QCOMPARE(again.Input(), InputField::iTime);
    QCOMPARE(again.From(), 2.0);
    QCOMPARE(again.To(), 9.5);
    QCOMPARE(again.Steps(), 30);
    QCOMPARE(again.Points().size(), size_t(31));
    // A range kept in other units starts again around the value in the units now in use.
    window_.reset();
    store_->WriteProfileInt(StoredInputs::kSection, StoredInputs::kUnitsTemperature, 1);
    store_->WriteProfileInt(WhatIfWindow::kSection, "iInput", int(InputField::iAmbient));
    WhatIfWindow& imperial = Open();
    QCOMPARE(imperial.Input(), InputField::iAmbient);
    QCOMPARE(imperial.From(), window_->Form().Value(InputField::iAmbient) / 2);
}

void WhatIfTest::sweep_leaves_as_dorarive_calc_prints_it()
{
    WhatIfWindow& w = Open();
    w.ChooseInput(InputField::iInsulation);
    w.SetRange(0, 80, 16);
    QProcess calc;
    calc.start(QStringLiteral(DORARIVE_CALC_PATH), {"--csv", "--sweep", "iInsulation=0:80:5"});
    QVERIFY(calc.waitForFinished(30000));
    QCOMPARE(w.SweepCsv(), QString::fromUtf8(calc.readAllStandardOutput()));
    QVERIFY(w.SweepCsv().startsWith(QString::fromStdString(CalcTable::CsvHeader())));

    const QStringList rows = w.SweepText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(rows.size(), 18);
    QCOMPARE(rows[0].count(QLatin1Char('\t')), 6);
    QVERIFY(rows[1].endsWith(QStringLiteral("Invalid insulation thickness. 5mm to 500mm")));

    // In German the points speak German; the CSV is data and stays as dorarive-calc writes it.
    const QString csv = w.SweepCsv();
    QTranslator german;
    QVERIFY(german.load(QStringLiteral("dorarive_de"), QStringLiteral(":/i18n")));
    QCoreApplication::installTranslator(&german);
    w.SetRange(0, 80, 16); // swept again
    QCoreApplication::removeTranslator(&german);
    QCOMPARE(w.SweepCsv(), csv);
    const QString stopped = w.SweepText().split(QLatin1Char('\n')).value(1);
    QVERIFY2(stopped.contains(QStringLiteral("Ungültige Isolierdicke.")), qPrintable(stopped));
}

void WhatIfTest::chart_as_picture_files_and_on_paper()
{
    WhatIfWindow& w = Open();
    const QString png = dir_.filePath(QStringLiteral("chart.png"));
    const QString svg = dir_.filePath(QStringLiteral("chart.svg"));
    QVERIFY(!ChartExport::SavePicture(*w.Chart(), png, false));
    QVERIFY(!ChartExport::SavePicture(*w.Chart(), svg, true));
    const QImage image(png);
    QCOMPARE(image.size(), ChartExport::kPictureSize);
    // The capacity line is painted in its colour somewhere on the plot.
    bool line = false;
    for (int y = 0; y < image.height() && !line; y += 2)
        for (int x = 0; x < image.width() && !line; x += 2)
            line = image.pixelColor(x, y) == SweepChart::LayerColour(kCabinetLayer);
    QVERIFY(line);
    QFile file(svg);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.contains("<svg"));
    QVERIFY(text.contains("Requested compressor capacity"));
    // A folder in the way: the message, and nothing written.
    QVERIFY(ChartExport::SavePicture(*w.Chart(), dir_.path(), false).has_value());

    // On paper: the chart and every row of the tables, over as many pages as they need.
    w.SetRange(25, 75, 200);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = dir_.filePath(QStringLiteral("whatif.pdf"));
    printer.setOutputFileName(pdf);
    QStringList rows = w.SweepText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(ChartExport::Print(printer, *w.Chart(), QStringLiteral("What If"), rows));
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY(info.waitForFinished(30000));
    const QString pages =
        QString::fromUtf8(info.readAllStandardOutput()).section(QStringLiteral("Pages:"), 1).trimmed();
    QVERIFY2(pages.section(QLatin1Char('\n'), 0, 0).toInt() >= 2, qPrintable(pages)); // 202 rows do not fit one page
}

QTEST_MAIN(WhatIfTest)
#include "tst_whatif.moc"
