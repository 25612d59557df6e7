#include "storage/InputAssignments.h"

#include <algorithm>
#include <iterator>
#include <regex>

InputKind KindOfInput(const std::string& name)
{
    if (std::find(std::begin(kUnitChoiceNames), std::end(kUnitChoiceNames), name) != std::end(kUnitChoiceNames))
        return InputKind::UnitChoice;
    const InputRow* row = InputNamed(name);
    if (!row)
        return InputKind::Unknown;
    if (row->quantity == Quantity::Selection)
        return InputKind::Selection;
    return row->quantity == Quantity::Option ? InputKind::Option : InputKind::Number;
}

bool IsPlainNumber(const std::string& text)
{
    static const std::regex number("-?[0-9]+(\\.[0-9]+)?");
    return std::regex_match(text, number);
}

bool IsWholeNumber(const std::string& text)
{
    static const std::regex whole("-?[0-9]+");
    return std::regex_match(text, whole);
}

int& UnitChoiceSlot(UnitSystem& units, int index)
{
    int* const slots[6] = {&units.energy, &units.temperature, &units.kValue, &units.volume, &units.length, &units.mass};
    return *slots[index];
}

int UnitChoice(const UnitSystem& units, int index)
{
    UnitSystem copy = units;
    return UnitChoiceSlot(copy, index);
}
