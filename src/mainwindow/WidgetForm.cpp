#include "mainwindow/WidgetForm.h"

#include "controls/NumericEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>

void WidgetForm::TakeOptionStates()
{
    for (const auto& [box, check] : checks_)
        options_[box] = check->isChecked();
}

std::string WidgetForm::Text(InputField field) const
{
    return Field(field)->CurrentText().toStdString();
}
double WidgetForm::Value(InputField field) const
{
    return Field(field)->Value();
}
int WidgetForm::IntValue(InputField field) const
{
    return Field(field)->IntValue();
}
void WidgetForm::SetValue(InputField field, double value, bool trimZeros)
{
    Field(field)->SetValue(value, trimZeros);
}
void WidgetForm::SetIntValue(InputField field, int value)
{
    Field(field)->SetIntValue(value);
}
void WidgetForm::SetDecimalPlaces(InputField field, int places)
{
    Field(field)->SetDecimalPlaces(places);
}
void WidgetForm::PasteNumber(InputField field, const std::string& number)
{
    NumericEdit* edit = Field(field);
    edit->PasteOver(QString::fromStdString(edit->Chars().FromStandard(number)));
}

int WidgetForm::Selection(Selector selector) const
{
    return SelectionBox(selector)->currentIndex();
}

void WidgetForm::SetSelection(Selector selector, int row)
{
    QComboBox* box = SelectionBox(selector);
    const QSignalBlocker quiet(box);
    box->setCurrentIndex(row);
}

bool WidgetForm::Option(OptionBox box) const
{
    const auto it = options_.find(box);
    return it != options_.end() && it->second;
}

void WidgetForm::SetOption(OptionBox box, bool on)
{
    CheckBox(box)->setChecked(on);
}
