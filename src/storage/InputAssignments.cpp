#include "storage/InputAssignments.h"

#include <algorithm>
#include <iterator>
#include <regex>

const char* const kUnitChoiceNames[6] = {"UnitsEnergy", "UnitsTemperature", "UnitsPressure",
                                         "UnitsVolume", "UnitsLength",      "UnitsMass"};
const char* const kSelectionNames[3] = {"iType", "iType2", "iProd"};
const Selector kSelectionBoxes[3] = {Selector::iType, Selector::iType2, Selector::iProd};
const char* const kOptionNames[4] = {"iDoorCheck", "iHeatCheck", "iCoolCheck", "iCondCheck"};
const OptionBox kOptionBoxes[4] = {OptionBox::iDoorCheck, OptionBox::iHeatCheck, OptionBox::iCoolCheck,
                                   OptionBox::iCondCheck};

namespace {

template <size_t N>
bool OneOf(const std::string& name, const char* const (&names)[N])
{
    return std::find_if(std::begin(names), std::end(names), [&](const char* n) { return name == n; }) !=
           std::end(names);
}

} // namespace

InputKind KindOfInput(const std::string& name)
{
    InputField field;
    if (OneOf(name, kUnitChoiceNames))
        return InputKind::UnitChoice;
    if (OneOf(name, kSelectionNames))
        return InputKind::Selection;
    if (OneOf(name, kOptionNames))
        return InputKind::Option;
    if (FieldFromName(name, field))
        return InputKind::Number;
    return InputKind::Unknown;
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
