#include "storage/InputAssignments.h"

#include <algorithm>
#include <iterator>
#include <regex>

const char* const kUnitChoiceNames[6] = {"UnitsEnergy", "UnitsTemperature", "UnitsPressure",
                                         "UnitsVolume", "UnitsLength",      "UnitsMass"};

namespace {

const char* NameOf(const char* name)
{
    return name;
}

template <class Entry>
const char* NameOf(const Entry& entry)
{
    return entry.name;
}

template <class Entry, size_t N>
bool OneOf(const std::string& name, const Entry (&entries)[N])
{
    return std::any_of(std::begin(entries), std::end(entries), [&](const Entry& e) { return name == NameOf(e); });
}

} // namespace

InputKind KindOfInput(const std::string& name)
{
    InputField field;
    if (OneOf(name, kUnitChoiceNames))
        return InputKind::UnitChoice;
    if (OneOf(name, kSelectors))
        return InputKind::Selection;
    if (OneOf(name, kOptions))
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
