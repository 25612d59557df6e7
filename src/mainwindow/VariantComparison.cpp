#include "mainwindow/VariantComparison.h"

#include "controls/HeadlessForm.h"
#include "controls/Translated.h"
#include "mainwindow/AccessibleNames.h"
#include "mainwindow/CalcFileCommands.h"
#include "mainwindow/ControlTable.h"
#include "mainwindow/DoraRiveDlg.h"
#include "model/FormRules.h"
#include "model/ResultMembers.h"
#include "model/ResultRows.h"
#include "model/VariantCalc.h"
#include "presentation/VariantDifference.h"
#include "storage/CalcFile.h"

#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>

#include <cstdio>

namespace {

// A variant on a form of its own, in the units the window uses now, and how it calculated.
struct Evaluated {
    HeadlessForm form;
    Tables tables;
    VariantOutcome outcome;
};

Evaluated Evaluate(const InputAssignments& inputs, const Tables& tables, const UnitSystem& units)
{
    Evaluated e{HeadlessForm(), tables, {}};
    UnitSystem own;
    CalcFile::ApplyOverFirstRun(inputs, e.form, e.tables, own);
    ConvertInputsForNewUnits(e.form, e.tables, own, units);
    VariantCalc calc(e.tables, units, Translated);
    e.outcome = calc.Calculate(ReadLoadInputs(e.form, e.tables, units));
    return e;
}

// The results as the comparison shows them, the one a design is sized by first: converted for
// display, with their unit kind.
const struct {
    double LoadResults::*member;
    int unitKind;
    int decimals;
} kResultRows[] = {
    {&LoadResults::requestedCapacity, kEnergyUnit, 0}, {&LoadResults::netVolume, kVolumeUnit, 1},
    {&LoadResults::cabinetLoad, kEnergyUnit, 0},       {&LoadResults::doorLoad, kEnergyUnit, 0},
    {&LoadResults::transmissionLoad, kEnergyUnit, 0},  {&LoadResults::additionalLoad, kWattsUnit, 0},
    {&LoadResults::coolDownLoad, kEnergyUnit, 0},      {&LoadResults::tEvaporator, kTemperatureUnit, 1},
    {&LoadResults::tCondenser, kTemperatureUnit, 1},   {&LoadResults::subcooling, kTemperatureDifferenceUnit, 1},
};

double Shown(double value, int unitKind, const UnitSystem& units)
{
    if (unitKind == kEnergyUnit)
        return ShownEnergy(value, units);
    if (unitKind == kTemperatureUnit)
        return ShownTemperature(value, units);
    if (unitKind == kTemperatureDifferenceUnit)
        return ShownTemperatureDifference(value, units);
    if (unitKind == kVolumeUnit)
        return ShownVolume(value, units);
    return value;
}

QString Fixed(double value, int decimals, const std::string& unit)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return QString::fromStdString(std::string(text) + " " + unit);
}

QString SheetName(ControlId id, const UnitSystem& units)
{
    return QString::fromStdString(WrittenNameOf(kControls[IndexOf(id)].sheetRow, units));
}

// Every input as a row: selections by their row names, options on or off, numbers as shown.
std::vector<std::pair<QString, std::vector<QString>>> InputRows(const std::vector<Evaluated>& all,
                                                                const UnitSystem& units)
{
    std::vector<std::pair<QString, std::vector<QString>>> rows;
    const auto add = [&](ControlId id, auto text) {
        std::vector<QString> cells;
        for (const Evaluated& e : all)
            cells.push_back(text(e));
        rows.emplace_back(SheetName(id, units), std::move(cells));
    };
    for (const SelectorInfo& s : kSelectors)
        add(s.selector, [&](const Evaluated& e) {
            const int row = e.form.Selection(s.selector);
            const auto& name = s.selector == Selector::iType    ? e.tables.insulationMaterials.Name(row)
                               : s.selector == Selector::iType2 ? e.tables.doorMaterials.Name(row)
                                                                : e.tables.products.Name(row);
            return QString::fromStdString(name);
        });
    for (const OptionInfo& o : kOptions)
        add(o.box, [&](const Evaluated& e) {
            return e.form.Option(o.box) ? VariantComparison::tr("on") : VariantComparison::tr("off");
        });
    for (const InputFieldInfo& f : kInputFields)
        add(f.field, [&](const Evaluated& e) { return QString::fromStdString(e.form.Text(f.field)); });
    return rows;
}

} // namespace

VariantComparison::VariantComparison(DoraRiveDlg& window, QWidget* parent)
    : QGroupBox(tr("Variants side by side"), parent)
    , window_(window)
{
    table_ = new QTableWidget(this);
    table_->setAccessibleName(tr("Comparison of the variants"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectColumns);
    table_->setWordWrap(false);
    allInputs_ = new QCheckBox(tr("Show ever&y input"), this);
    connect(allInputs_, &QCheckBox::toggled, this, &VariantComparison::Refresh);

    const struct {
        QString text;
        std::function<void()> run;
    } buttons[] = {
        {tr("&Keep as variant"), [this] { KeepCurrent(); }},   {tr("Open fi&les..."), [this] { OpenFiles(); }},
        {tr("&Put back"), [this] { PutBack(Chosen()); }},      {tr("Re&move"), [this] { Remove(Chosen()); }},
        {tr("Save va&riant as..."), [this] { SaveChosen(); }}, {tr("Copy t&able"), [this] { CopyTable(); }},
    };
    auto* grid = new QGridLayout(this);
    int i = 0;
    for (const auto& b : buttons) {
        auto* button = new QPushButton(b.text, this);
        connect(button, &QPushButton::clicked, this, b.run);
        grid->addWidget(button, 0, i++);
    }
    grid->addWidget(allInputs_, 0, i);
    grid->setColumnStretch(i, 1);
    grid->addWidget(table_, 1, 0, 1, i + 1);
    grid->setRowStretch(1, 1);
}

QString VariantComparison::NextName()
{
    // A, B, ... Z, then AA, AB ...
    QString name;
    for (int n = nextLetter_++; n >= 0; n = n / 26 - 1)
        name.prepend(QChar(u'A' + n % 26));
    return name;
}

void VariantComparison::KeepCurrent()
{
    const CalcFileCommands* files = window_.Files();
    const QString name =
        !files->FilePath().isEmpty() && !files->Modified() ? QFileInfo(files->FilePath()).fileName() : NextName();
    variants_.push_back({name, CalcFile::InputsOf(window_.Form(), window_.TablesInUse(), window_.Units())});
    Refresh();
}

bool VariantComparison::AddFile(const QString& path)
{
    InputAssignments inputs;
    if (const auto problem = CalcFile::Read(path, window_.TablesInUse(), inputs)) {
        ShowProblem(QString::fromStdString(*problem));
        return false;
    }
    variants_.push_back({QFileInfo(path).fileName(), inputs});
    Refresh();
    return true;
}

void VariantComparison::PutBack(int index)
{
    if (index >= 0 && index < Count())
        window_.PutInputs(variants_[static_cast<size_t>(index)].inputs);
}

void VariantComparison::Remove(int index)
{
    if (index < 0 || index >= Count())
        return;
    variants_.erase(variants_.begin() + index);
    Refresh();
}

bool VariantComparison::SaveAs(int index, const QString& path)
{
    if (index < 0 || index >= Count())
        return false;
    if (const auto problem = CalcFile::Write(path, variants_[static_cast<size_t>(index)].inputs)) {
        ShowProblem(QString::fromStdString(*problem));
        return false;
    }
    return true;
}

void VariantComparison::ShowAllInputs(bool all)
{
    allInputs_->setChecked(all);
}

std::vector<VariantComparison::Row> VariantComparison::BuildRows() const
{
    const UnitSystem& units = window_.Units();
    std::vector<Evaluated> all;
    for (const Variant& v : variants_)
        all.push_back(Evaluate(v.inputs, window_.TablesInUse(), units));
    std::vector<Row> rows;
    for (auto& [name, cells] : InputRows(all, units))
        if (allInputs_->isChecked() ||
            std::any_of(cells.begin(), cells.end(), [&](const QString& c) { return c != cells.front(); }))
            rows.push_back({name, std::move(cells)});
    for (const auto& r : kResultRows) {
        Row row{QCoreApplication::translate(ResultLabelContext(r.member), ResultLabel(r.member)), {}};
        const std::string unit = UnitLabel(units, r.unitKind, Translated);
        const double first = Shown(all.front().outcome.results.*r.member, r.unitKind, units);
        for (size_t i = 0; i < all.size(); ++i) {
            const VariantOutcome& o = all[i].outcome;
            const double value = Shown(o.results.*r.member, r.unitKind, units);
            QString cell = o.completed ? Fixed(value, r.decimals, unit) : QString();
            const std::string diff = DifferenceText(first, value, r.decimals, unit);
            if (o.completed && i > 0 && all.front().outcome.completed && !diff.empty())
                cell += QStringLiteral(" (") + QString::fromStdString(diff) + QLatin1Char(')');
            row.cells.push_back(cell);
        }
        rows.push_back(std::move(row));
    }
    Row message{tr("Message"), {}};
    for (const Evaluated& e : all)
        message.cells.push_back(QString::fromStdString(e.outcome.completed ? e.outcome.warning : e.outcome.message));
    rows.push_back(std::move(message));
    return rows;
}

void VariantComparison::Refresh()
{
    table_->clear();
    table_->setColumnCount(Count());
    if (variants_.empty()) {
        table_->setRowCount(0);
        return;
    }
    QStringList names;
    for (const Variant& v : variants_)
        names << v.name;
    table_->setHorizontalHeaderLabels(names);
    const std::vector<Row> rows = BuildRows();
    table_->setRowCount(static_cast<int>(rows.size()));
    QStringList rowNames;
    for (size_t r = 0; r < rows.size(); ++r) {
        rowNames << rows[r].name;
        for (size_t c = 0; c < rows[r].cells.size(); ++c)
            table_->setItem(int(r), int(c), new QTableWidgetItem(rows[r].cells[c]));
    }
    table_->setVerticalHeaderLabels(rowNames);
    table_->resizeColumnsToContents();
    table_->resizeRowsToContents();
}

QString VariantComparison::TableText() const
{
    if (variants_.empty())
        return {};
    QStringList header{QString()};
    for (const Variant& v : variants_)
        header << v.name;
    QString text = header.join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (const Row& row : BuildRows()) {
        QStringList line{row.name};
        for (const QString& cell : row.cells)
            line << cell;
        text += line.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

int VariantComparison::Chosen() const
{
    const int column = table_->currentColumn();
    return column >= 0 ? column : Count() - 1;
}

void VariantComparison::OpenFiles()
{
    QFileDialog dialog(this, tr("Open Calculations"));
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilter(tr("Calculations (*.%1)").arg(QLatin1String(CalcFile::kSuffix)));
    if (dialog.exec() != QDialog::Accepted)
        return;
    for (const QString& path : dialog.selectedFiles())
        AddFile(path);
}

void VariantComparison::SaveChosen()
{
    const int index = Chosen();
    if (index < 0)
        return;
    QFileDialog dialog(this, tr("Save Calculation"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(tr("Calculations (*.%1)").arg(QLatin1String(CalcFile::kSuffix)));
    dialog.setDefaultSuffix(QLatin1String(CalcFile::kSuffix));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        SaveAs(index, dialog.selectedFiles().constFirst());
}

void VariantComparison::CopyTable()
{
    QGuiApplication::clipboard()->setText(TableText());
}

void VariantComparison::ShowProblem(const QString& text)
{
    auto* box = new QMessageBox(QMessageBox::Warning, window()->windowTitle(), text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->show();
}
