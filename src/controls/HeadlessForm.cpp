#include "controls/HeadlessForm.h"

#include <tuple>

HeadlessForm::HeadlessForm(const LocaleChars& chars)
    : chars_(chars)
{
    // Every field of the form takes 9 whole digits and 2 decimal places.
    for (const InputFieldInfo& info : kInputFields)
        fields_.emplace(std::piecewise_construct, std::forward_as_tuple(info.field),
                        std::forward_as_tuple(9, 2, chars));
    for (const SelectorInfo& s : kSelectors)
        selections_[s.selector] = 0;
    for (const OptionInfo& o : kOptions)
        options_[o.box] = false;
}

std::string HeadlessForm::Text(InputField field) const
{
    return At(field).CurrentText();
}
double HeadlessForm::Value(InputField field) const
{
    return At(field).Value();
}
int HeadlessForm::IntValue(InputField field) const
{
    return At(field).IntValue();
}
void HeadlessForm::SetValue(InputField field, double value, bool trimZeros)
{
    At(field).SetValue(value, trimZeros);
}
void HeadlessForm::SetIntValue(InputField field, int value)
{
    At(field).SetIntValue(value);
}
void HeadlessForm::SetDecimalPlaces(InputField field, int places)
{
    At(field).SetDecimalPlaces(places);
}

int HeadlessForm::Selection(Selector selector) const
{
    return selections_.at(selector);
}
void HeadlessForm::SetSelection(Selector selector, int row)
{
    selections_[selector] = row;
}
bool HeadlessForm::Option(OptionBox box) const
{
    return options_.at(box);
}
void HeadlessForm::SetOption(OptionBox box, bool on)
{
    options_[box] = on;
}

void HeadlessForm::PasteText(InputField field, const std::string& text)
{
    NumericField& f = At(field);
    f.SelectAll();
    f.Paste(text);
}

void HeadlessForm::PasteNumber(InputField field, const std::string& number)
{
    PasteText(field, chars_.FromStandard(number));
}
