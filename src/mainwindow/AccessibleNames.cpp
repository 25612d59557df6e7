#include "mainwindow/AccessibleNames.h"

#include "controls/Translated.h"
#include "model/ResultRows.h"
#include "presentation/FormSheet.h"
#include "presentation/SheetReading.h"
#include "presentation/SpokenUnits.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QString>
#include <QWidget>

namespace {

// "   Ambient temperature" and "Conditions:" as a listener should hear them.
std::string Spoken(int row)
{
    const QString label = QCoreApplication::translate(FormSheet::kLabelContext, FormSheet::Label(row));
    return SheetReading::SpokenLabel(label.toStdString().c_str());
}

bool LabelRepeats(int sheetRow)
{
    int count = 0;
    for (int r = 0; r < FormSheet::kRowCount; ++r)
        count += Spoken(r) == Spoken(sheetRow) ? 1 : 0;
    return count > 1;
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

// The row's name with its unit, the unit written or as a reader says it.
std::string NameOf(int sheetRow, const UnitSystem& units, bool spokenUnit)
{
    const SheetRow& row = FormSheet::Rows()[static_cast<size_t>(sheetRow)];
    std::string name;
    if (LabelRepeats(sheetRow))
        name = Spoken(FormSheet::HeadingOf(sheetRow)) + ": ";
    name += Spoken(sheetRow);
    if (row.unitKind != kNoUnit) {
        const std::string unit = UnitLabel(units, row.unitKind, Translated);
        name += " (" + (spokenUnit ? SpokenUnits(unit, Translated) : unit) + ")";
    }
    return name;
}

} // namespace

std::string WrittenNameOf(int sheetRow, const UnitSystem& units)
{
    if (sheetRow < 0 || sheetRow >= FormSheet::kRowCount)
        return {};
    return NameOf(sheetRow, units, false);
}

AccessibleText AccessibleTextOf(int sheetRow, const UnitSystem& units, const Tables& tables)
{
    if (sheetRow < 0 || sheetRow >= FormSheet::kRowCount)
        return {};
    AccessibleText text;
    text.name = NameOf(sheetRow, units, true);
    text.description = SpokenUnits(Translated("FormHelp", tables.FormHelp(sheetRow).c_str()), Translated);
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
        list->second->setAccessibleName(QString::fromStdString(Translated("ResultRows", kResultsHeading)));
}
