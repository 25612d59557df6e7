#include "mainwindow/WhatIfWindow.h"

#include "controls/Translated.h"
#include "mainwindow/AccessibleNames.h"
#include "mainwindow/CalcFileCommands.h"
#include "mainwindow/ControlTable.h"
#include "mainwindow/DoraRiveDlg.h"
#include "mainwindow/SeekPanel.h"
#include "mainwindow/VariantComparison.h"
#include "model/FormRules.h"
#include "model/ResultRows.h"
#include "model/VariantCalc.h"
#include "presentation/ChartExport.h"
#include "presentation/PrintCommand.h"
#include "presentation/SweepChart.h"
#include "storage/CalcFile.h"
#include "storage/CalcTable.h"
#include "storage/StoredInputs.h"

#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QShortcut>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kDefaultSteps = 100;
constexpr int kMaxSteps = 10000;
constexpr double kFieldLimit = 999999999.0;

// The range is stored in the units it was chosen in, scaled to the field's decimals.
const char* const kInputEntry = "iInput";
const char* const kFromEntry = "iFrom";
const char* const kToEntry = "iTo";
const char* const kStepsEntry = "iSteps";
const char* const kUnitsEntry = "iUnits";

int UnitsKey(const UnitSystem& u)
{
    return u.energy | u.temperature << 1 | u.kValue << 2 | u.volume << 3 | u.length << 4 | u.mass << 5;
}

QString Number(double value, int decimals)
{
    return QLocale().toString(value, 'f', decimals);
}

} // namespace

const char* const WhatIfWindow::kSection = "WhatIf1";

WhatIfWindow::WhatIfWindow(DoraRiveDlg& window)
    : QWidget(&window, Qt::Window)
    , window_(window)
{
    setWindowTitle(tr("What If"));
    setAccessibleName(tr("What If"));
    BuildControls();
    const QScreen* screen = window.screen();
    const QRect space = screen ? screen->availableGeometry() : QRect(0, 0, 1366, 768);
    resize(std::min(1500, space.width() * 9 / 10), std::min(860, space.height() * 9 / 10));
    AddKeys();
    FillInputs();
    Restore();
    Sweep();
}

WhatIfWindow::~WhatIfWindow() = default;

void WhatIfWindow::BuildControls()
{
    chart_ = new SweepChart(this);
    chart_->setAccessibleName(tr("Sweep chart"));
    pointsTable_ = new QTableWidget(this);
    pointsTable_->setAccessibleName(tr("Points of the sweep"));
    pointsTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // One line a point; measuring a thousand rows would cost more than the sweep.
    pointsTable_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    views_ = new QTabWidget(this);
    views_->addTab(chart_, tr("C&hart"));
    views_->addTab(pointsTable_, tr("&Table of points"));
    connect(views_, &QTabWidget::currentChanged, this, [this] { FillPointsTable(); });
    message_ = new QLabel(this);
    message_->setWordWrap(true);
    message_->setStyleSheet(QStringLiteral("color: rgb(200, 0, 0)"));

    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(BuildRangeRow());
    leftLayout->addWidget(views_, 1);
    leftLayout->addWidget(message_);

    seek_ = new SeekPanel(window_, *this);
    variants_ = new VariantComparison(window_, this);
    // The sweep beside the goal seek that searches its range; the variants below across the
    // whole width, which their columns need.
    auto* top = new QSplitter(Qt::Horizontal, this);
    top->addWidget(left);
    top->addWidget(seek_);
    top->setStretchFactor(0, 3);
    top->setStretchFactor(1, 1);
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(top);
    splitter->addWidget(variants_);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addWidget(BuildExportRow());
}

QWidget* WhatIfWindow::BuildRangeRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    input_ = new QComboBox(row);
    input_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    from_ = new QDoubleSpinBox(row);
    to_ = new QDoubleSpinBox(row);
    steps_ = new QSpinBox(row);
    steps_->setRange(1, kMaxSteps);
    for (QDoubleSpinBox* box : {from_, to_}) {
        box->setRange(-kFieldLimit, kFieldLimit);
        box->setKeyboardTracking(false); // a value half typed is no range yet
        connect(box, &QDoubleSpinBox::valueChanged, this, &WhatIfWindow::OnRangeChanged);
    }
    steps_->setKeyboardTracking(false);
    connect(steps_, &QSpinBox::valueChanged, this, &WhatIfWindow::OnRangeChanged);
    connect(input_, &QComboBox::currentIndexChanged, this, &WhatIfWindow::OnInputChosen);
    const struct {
        const QString text;
        QWidget* control;
    } parts[] = {{tr("&Input:"), input_}, {tr("&From:"), from_}, {tr("T&o:"), to_}, {tr("&Steps:"), steps_}};
    for (const auto& part : parts) {
        auto* label = new QLabel(part.text, row);
        label->setBuddy(part.control);
        part.control->setAccessibleName(QString(part.text).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
        layout->addWidget(label);
        layout->addWidget(part.control, part.control == input_ ? 1 : 0);
    }
    return row;
}

QWidget* WhatIfWindow::BuildExportRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const struct {
        QString text;
        void (WhatIfWindow::*run)();
    } buttons[] = {
        {tr("&Copy"), &WhatIfWindow::CopyText},
        {tr("CS&V..."), &WhatIfWindow::ExportCsv},
        {tr("P&NG..."), nullptr},
        {tr("SV&G..."), nullptr},
        {tr("Print..."), &WhatIfWindow::Print}, // Ctrl+P: its letters are taken
    };
    for (const auto& b : buttons) {
        auto* button = new QPushButton(b.text, row);
        layout->addWidget(button);
        if (b.run)
            connect(button, &QPushButton::clicked, this, b.run);
        else
            connect(button, &QPushButton::clicked, this,
                    [this, svg = b.text.contains(QLatin1String("SV"))] { ExportPicture(svg); });
    }
    layout->addStretch(1);
    auto* close = new QPushButton(tr("Close"), row);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(close);
    return row;
}

void WhatIfWindow::AddKeys()
{
    const auto key = [this](QKeySequence sequence, auto run) {
        connect(new QShortcut(sequence, this), &QShortcut::activated, this, run);
    };
    key(QKeySequence(Qt::Key_Escape), [this] { close(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_P), [this] { Print(); });
}

void WhatIfWindow::FillInputs()
{
    filling_ = true;
    const int keep = input_->currentData().toInt();
    input_->clear();
    for (const InputFieldInfo& info : kInputFields) {
        const int row = kControls[IndexOf(ControlId(info.field))].sheetRow;
        input_->addItem(QString::fromStdString(WrittenNameOf(row, window_.Units())), static_cast<int>(info.field));
    }
    const int index = input_->findData(keep);
    input_->setCurrentIndex(index < 0 ? 0 : index);
    filling_ = false;
}

InputField WhatIfWindow::Input() const
{
    return static_cast<InputField>(input_->currentData().toInt());
}

double WhatIfWindow::From() const
{
    return from_->value();
}

double WhatIfWindow::To() const
{
    return to_->value();
}

int WhatIfWindow::Steps() const
{
    return steps_->value();
}

QString WhatIfWindow::InputLabel() const
{
    return input_->currentText();
}

void WhatIfWindow::ChooseInput(InputField field)
{
    input_->setCurrentIndex(input_->findData(static_cast<int>(field)));
}

void WhatIfWindow::SetRange(double from, double to, int steps)
{
    filling_ = true;
    const int decimals = FieldDecimals(Input());
    for (QDoubleSpinBox* box : {from_, to_}) {
        box->setDecimals(decimals);
        box->setSingleStep(std::pow(10.0, -decimals) * (decimals == 4 ? 10 : 100));
    }
    from_->setValue(from);
    to_->setValue(to);
    steps_->setValue(steps);
    filling_ = false;
    OnRangeChanged();
}

void WhatIfWindow::DefaultRange()
{
    const LoadInputs in = ReadLoadInputs(window_.Form(), window_.TablesInUse(), window_.Units());
    const double value = ShownInput(in, Input(), window_.Units());
    const double half = value == 0 ? 1.0 : std::fabs(value) / 2;
    rangeUnits_ = window_.Units();
    SetRange(value - half, value + half, kDefaultSteps);
}

void WhatIfWindow::OnInputChosen()
{
    if (filling_)
        return;
    DefaultRange();
}

void WhatIfWindow::OnRangeChanged()
{
    if (filling_)
        return;
    Store();
    Sweep();
}

void WhatIfWindow::FormRecalculated()
{
    if (!(window_.Units() == rangeUnits_)) {
        // The range was in other units: the names change and the range starts again around the
        // value now shown.
        FillInputs();
        DefaultRange();
        return;
    }
    Sweep();
}

void WhatIfWindow::Sweep()
{
    const UnitSystem& units = window_.Units();
    const LoadInputs base = ReadLoadInputs(window_.Form(), window_.TablesInUse(), units);
    VariantCalc calc(window_.TablesInUse(), units, Translated);
    const InputField field = Input();
    values_ = SweepValues(From(), To(), Steps());
    points_.clear();
    points_.reserve(values_.size());
    std::vector<ChartPoint> chart;
    chart.reserve(values_.size());
    std::string firstStop;
    LoadInputs in = base;
    const double scale = std::pow(10.0, FieldDecimals(field));
    for (double& x : values_) {
        x = std::round(x * scale) / scale; // a value the field can hold, as the form would have it
        SetShownInput(in, field, x, units);
        const VariantOutcome out = calc.Calculate(in);
        const LoadResults& r = out.results;
        SweepPoint p{{x, out.completed, ShownEnergy(r.cabinetLoad, units), ShownEnergy(r.doorLoad, units),
                      ShownEnergy(r.additionalLoad, units), ShownEnergy(r.coolDownLoad, units),
                      ShownEnergy(r.requestedCapacity, units)},
                     r,
                     out.completed ? out.warning : out.message,
                     out.failed,
                     out.warned};
        if (!out.completed && firstStop.empty())
            firstStop = out.message;
        chart.push_back(p.chart);
        points_.push_back(std::move(p));
    }
    chart_->SetPoints(std::move(chart), InputLabel(), QString::fromStdString(UnitLabel(units, kEnergyUnit, Translated)),
                      ShownInput(base, field, units));
    message_->setText(QString::fromStdString(firstStop));
    message_->setVisible(!firstStop.empty());
    ++sweepCount_;
    seek_->Refresh();
    tableStale_ = true;
    FillPointsTable();
}

void WhatIfWindow::FillPointsTable()
{
    // Filled when it is looked at: a sweep of many points need not wait for a table nobody sees.
    if (!tableStale_ || views_->currentWidget() != pointsTable_)
        return;
    tableStale_ = false;
    const QString unit = QString::fromStdString(UnitLabel(window_.Units(), kEnergyUnit, Translated));
    QStringList columns{SweepChart::CapacityName() + QStringLiteral(" (") + unit + QLatin1Char(')')};
    for (int layer = 0; layer < kLayerCount; ++layer)
        columns << SweepChart::LayerName(layer) + QStringLiteral(" (") + unit + QLatin1Char(')');
    columns << tr("Message");
    pointsTable_->clear();
    pointsTable_->setColumnCount(static_cast<int>(columns.size()));
    pointsTable_->setHorizontalHeaderLabels(columns);
    pointsTable_->setRowCount(static_cast<int>(points_.size()));
    const int decimals = FieldDecimals(Input());
    QStringList rows;
    for (size_t i = 0; i < points_.size(); ++i) {
        const SweepPoint& p = points_[i];
        rows << InputLabel() + QStringLiteral(" ") + Number(p.chart.x, decimals);
        const double values[] = {p.chart.requested, p.chart.cabinet, p.chart.door, p.chart.additional,
                                 p.chart.coolDown};
        for (int c = 0; c < 5; ++c)
            pointsTable_->setItem(int(i), c,
                                  new QTableWidgetItem(p.chart.completed ? Number(values[c], 1) : QString()));
        pointsTable_->setItem(int(i), 5, new QTableWidgetItem(QString::fromStdString(p.message)));
    }
    pointsTable_->setVerticalHeaderLabels(rows);
    pointsTable_->resizeColumnsToContents();
}

void WhatIfWindow::Store() const
{
    ProfileStore& store = window_.Store();
    const double scale = std::pow(10.0, FieldDecimals(Input()));
    store.WriteProfileInt(kSection, kInputEntry, static_cast<int>(Input()));
    store.WriteProfileInt(kSection, kFromEntry, StoredInputs::ScaledEntry(From(), scale));
    store.WriteProfileInt(kSection, kToEntry, StoredInputs::ScaledEntry(To(), scale));
    store.WriteProfileInt(kSection, kStepsEntry, Steps());
    store.WriteProfileInt(kSection, kUnitsEntry, UnitsKey(rangeUnits_));
}

void WhatIfWindow::Restore()
{
    const ProfileStore& store = window_.Store();
    const int index = input_->findData(store.GetProfileInt(kSection, kInputEntry, -1));
    filling_ = true;
    input_->setCurrentIndex(index < 0 ? 0 : index);
    filling_ = false;
    const int steps = store.GetProfileInt(kSection, kStepsEntry, 0);
    // A range stored in other units than those in use now, or none at all: around the value now.
    if (index < 0 || steps < 1 || steps > kMaxSteps ||
        store.GetProfileInt(kSection, kUnitsEntry, -1) != UnitsKey(window_.Units())) {
        DefaultRange();
        return;
    }
    const double scale = std::pow(10.0, FieldDecimals(Input()));
    rangeUnits_ = window_.Units();
    SetRange(store.GetProfileInt(kSection, kFromEntry, 0) / scale, store.GetProfileInt(kSection, kToEntry, 0) / scale,
             steps);
}

QString WhatIfWindow::SweepText() const
{
    const QString unit = QString::fromStdString(UnitLabel(window_.Units(), kEnergyUnit, Translated));
    QStringList header{InputLabel(), SweepChart::CapacityName() + QStringLiteral(" (") + unit + QLatin1Char(')')};
    for (int layer = 0; layer < kLayerCount; ++layer)
        header << SweepChart::LayerName(layer) + QStringLiteral(" (") + unit + QLatin1Char(')');
    header << tr("Message");
    QString text = header.join(QLatin1Char('\t')) + QLatin1Char('\n');
    const int decimals = FieldDecimals(Input());
    for (const SweepPoint& p : points_) {
        QStringList row{Number(p.chart.x, decimals)};
        for (double v : {p.chart.requested, p.chart.cabinet, p.chart.door, p.chart.additional, p.chart.coolDown})
            row << (p.chart.completed ? Number(v, 2) : QString());
        row << QString::fromStdString(p.message);
        text += row.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

QString WhatIfWindow::SweepCsv() const
{
    InputAssignments inputs = CalcFile::InputsOf(window_.Form(), window_.TablesInUse(), window_.Units());
    const std::string name = FieldName(Input());
    const QString file = QFileInfo(window_.Files()->FilePath()).fileName();
    std::string csv = CalcTable::CsvHeader();
    for (const SweepPoint& p : points_) {
        inputs.numbers[name] = CalcFile::NumberText(p.chart.x);
        csv += CalcTable::CsvRow(file.toStdString(), inputs, p.chart.completed, p.results, window_.Units(),
                                 OutcomeLine(p.failed, p.warned, window_.Units()));
    }
    return QString::fromStdString(csv);
}

QString WhatIfWindow::AskForFile(const QString& filter, const QString& suffix)
{
    QFileDialog dialog(this, tr("Export"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void WhatIfWindow::ShowProblem(const QString& text)
{
    auto* box = new QMessageBox(QMessageBox::Warning, windowTitle(), text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->show();
}

void WhatIfWindow::CopyText()
{
    QGuiApplication::clipboard()->setText(SweepText());
}

void WhatIfWindow::ExportCsv()
{
    const QString path = AskForFile(tr("CSV tables (*.csv)"), QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(SweepCsv().toUtf8()) < 0 || !file.commit())
        ShowProblem(tr("%1 could not be written: %2").arg(path, file.errorString()));
}

void WhatIfWindow::ExportPicture(bool svg)
{
    const QString path = svg ? AskForFile(tr("SVG pictures (*.svg)"), QStringLiteral("svg"))
                             : AskForFile(tr("PNG pictures (*.png)"), QStringLiteral("png"));
    if (path.isEmpty())
        return;
    if (const auto problem = ChartExport::SavePicture(*chart_, path, svg))
        ShowProblem(tr("%1 could not be written: %2").arg(path, *problem));
}

QStringList WhatIfWindow::PrintedRows() const
{
    QStringList rows = SweepText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QString comparison = variants_->TableText();
    if (!comparison.isEmpty())
        rows << QString() << comparison.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return rows;
}

void WhatIfWindow::Print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QCoreApplication::applicationName());
    QPrintDialog dialog(&printer, this);
    PreparePrintDialog(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!ChartExport::Print(printer, *chart_, windowTitle() + QStringLiteral(": ") + InputLabel(), PrintedRows()))
        ShowProblem(tr("The printer could not start the job."));
}
