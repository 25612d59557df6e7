#include "mainwindow/AccessibleNames.h"

#include "controls/Translated.h"
#include "model/ResultRows.h"
#include "presentation/FormSheet.h"
#include "presentation/SpokenUnits.h"

#include <QComboBox>
#include <QLabel>
#include <QString>
#include <QWidget>

#include <algorithm>

namespace {

// "   Ambient temperature" and "Conditions:" as a listener should hear them.
std::string Trimmed(const char* label)
{
    std::string text = Translated("FormSheet", label);
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
        text.name += " (" + SpokenUnits(UnitLabel(units, row.unitKind, Translated)) + ")";
    text.description = SpokenUnits(Translated("FormHelp", tables.FormHelp(sheetRow).c_str()));
    return text;
}

void NameWindowControls(const std::map<ControlId, QWidget*>& controls, const UnitSystem& units, const Tables& tables)
{
    for (const ControlInfo& info : kControls) {
        const auto it = controls.find(info.id);
        if (info.sheetRow < 0 || it == controls.end())
            continue;
        const AccessibleText text = AccessibleTextOf(info.sheetRow, units, tables);
        it->second->setAccessibleName(QString::fromStdString(text.name));
        it->second->setAccessibleDescription(QString::fromStdString(text.description));
        if (qobject_cast<QComboBox*>(it->second) && it->second->parentWidget())
            SpokenLabelOf(it->second)->setText(QString::fromStdString(text.name));
    }
    if (const auto list = controls.find(ControlId::ResultsList); list != controls.end())
        list->second->setAccessibleName(QString::fromUtf8(kResultsHeading));
}
