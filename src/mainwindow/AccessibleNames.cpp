#include "mainwindow/AccessibleNames.h"

#include "model/ResultRows.h"
#include "presentation/FormSheet.h"

#include <QComboBox>
#include <QLabel>
#include <QString>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace {

// The row of the painted sheet that labels each control of the form (the option boxes of the
// right column sit on their section headings).
const std::pair<ControlId, int> kControlRows[] = {
    {ControlId::Ambient, 1},       {ControlId::BoxTemperature, 2},
    {ControlId::DetailedCheck, 3}, {ControlId::Evaporating, 4},
    {ControlId::Condensing, 5},    {ControlId::Subcooling, 6},
    {ControlId::Depth, 8},         {ControlId::Width, 9},
    {ControlId::Height, 10},       {ControlId::InsulationType, 12},
    {ControlId::InsulationK, 13},  {ControlId::Insulation, 14},
    {ControlId::DoorCheck, 15},    {ControlId::DoorWidth, 17},
    {ControlId::DoorHeight, 18},   {ControlId::DoorType, 19},
    {ControlId::DoorK, 20},        {ControlId::DoorInsulation, 21},
    {ControlId::HeatCheck, 22},    {ControlId::Openings, 23},
    {ControlId::Light, 24},        {ControlId::Fan, 25},
    {ControlId::Antisweat, 26},    {ControlId::CoolCheck, 27},
    {ControlId::CoolMass, 28},     {ControlId::Product, 29},
    {ControlId::Start, 30},        {ControlId::End, 31},
    {ControlId::CoolTime, 32},     {ControlId::RunTime, 34},
};

// "   Ambient temperature" and "Conditions:" as a listener should hear them.
std::string Trimmed(const char* label)
{
    std::string text(label);
    const auto first = text.find_first_not_of(' ');
    text.erase(0, first == std::string::npos ? text.size() : first);
    while (!text.empty() && (text.back() == ' ' || text.back() == ':'))
        text.pop_back();
    return text;
}

bool LabelRepeats(int sheetRow)
{
    const auto& rows = FormSheet::Rows();
    const std::string label = Trimmed(rows[static_cast<size_t>(sheetRow)].label);
    return std::count_if(rows.begin(), rows.end(), [&](const SheetRow& r) { return Trimmed(r.label) == label; }) > 1;
}

// The nearest heading above a row.
std::string SectionOf(int sheetRow)
{
    const auto& rows = FormSheet::Rows();
    for (int r = sheetRow - 1; r >= 0; --r)
        if (rows[static_cast<size_t>(r)].heading)
            return Trimmed(rows[static_cast<size_t>(r)].label);
    return {};
}

// On Linux a selection box reports its current item as its name and is known by the label that
// names it as its buddy, so each box gets an invisible label of its own.
QLabel* SpokenLabelOf(QWidget* box)
{
    QWidget* parent = box->parentWidget();
    for (QLabel* label : parent->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
        if (label->buddy() == box)
            return label;
    auto* label = new QLabel(parent);
    label->setBuddy(box);
    label->hide();
    return label;
}

} // namespace

int SheetRowOf(ControlId id)
{
    for (const auto& [control, row] : kControlRows)
        if (control == id)
            return row;
    return -1;
}

AccessibleText AccessibleTextOf(int sheetRow, const UnitSystem& units, const Tables& tables)
{
    if (sheetRow < 0 || sheetRow >= FormSheet::kRowCount)
        return {};
    const SheetRow& row = FormSheet::Rows()[static_cast<size_t>(sheetRow)];
    AccessibleText text;
    if (LabelRepeats(sheetRow))
        text.name = SectionOf(sheetRow) + ": ";
    text.name += Trimmed(row.label);
    if (row.unitKind != kNoUnit)
        text.name += " (" + UnitLabel(units, row.unitKind) + ")";
    text.description = tables.FormHelp(sheetRow);
    return text;
}

void NameWindowControls(const std::map<ControlId, QWidget*>& controls, const UnitSystem& units, const Tables& tables)
{
    for (const auto& [id, row] : kControlRows) {
        const auto it = controls.find(id);
        if (it == controls.end())
            continue;
        const AccessibleText text = AccessibleTextOf(row, units, tables);
        it->second->setAccessibleName(QString::fromStdString(text.name));
        it->second->setAccessibleDescription(QString::fromStdString(text.description));
        if (qobject_cast<QComboBox*>(it->second) && it->second->parentWidget())
            SpokenLabelOf(it->second)->setText(QString::fromStdString(text.name));
    }
    if (const auto list = controls.find(ControlId::ResultsList); list != controls.end())
        list->second->setAccessibleName(QString::fromUtf8(kResultsHeading));
}
