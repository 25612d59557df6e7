#include "cli/CalcArguments.h"

#include "model/InputForm.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <regex>

const char* const kUnitArgumentNames[6] = {"UnitsEnergy", "UnitsTemperature", "UnitsPressure",
                                           "UnitsVolume", "UnitsLength",      "UnitsMass"};

namespace {

const char* const kSelectionNames[] = {"iType", "iType2", "iProd"};
const char* const kOptionNames[] = {"iDoorCheck", "iHeatCheck", "iCoolCheck", "iCondCheck"};

template <size_t N>
bool OneOf(const std::string& name, const char* const (&names)[N])
{
    return std::find_if(std::begin(names), std::end(names), [&](const char* n) { return name == n; }) !=
           std::end(names);
}

bool IsNumber(const std::string& value)
{
    static const std::regex number("-?[0-9]+(\\.[0-9]+)?");
    return std::regex_match(value, number);
}

bool IsWholeNumber(const std::string& value)
{
    static const std::regex whole("-?[0-9]+");
    return std::regex_match(value, whole);
}

int WholeNumber(const std::string& value)
{
    // Far out of range still means "beyond the last row" (or before the first).
    const long long n = std::strtoll(value.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long long>(n, INT_MIN, INT_MAX));
}

std::string Quoted(const std::string& argument)
{
    return "'" + argument + "'";
}

} // namespace

std::optional<std::string> AddAssignment(const std::string& argument, CalcAssignments& into)
{
    const size_t eq = argument.find('=');
    if (eq == std::string::npos)
        return "expected NAME=VALUE, got " + Quoted(argument);
    const std::string name = argument.substr(0, eq);
    const std::string value = argument.substr(eq + 1);

    const bool zeroOrOne = value == "0" || value == "1";
    if (OneOf(name, kUnitArgumentNames) || OneOf(name, kOptionNames)) {
        if (!zeroOrOne)
            return Quoted(argument) + ": " + name + " takes 0 or 1";
        (OneOf(name, kUnitArgumentNames) ? into.units : into.options)[name] = value == "1";
        return std::nullopt;
    }
    if (OneOf(name, kSelectionNames)) {
        if (!IsWholeNumber(value))
            return Quoted(argument) + ": " + name + " takes a whole row number";
        into.selections[name] = WholeNumber(value);
        return std::nullopt;
    }
    InputField field;
    if (FieldFromName(name, field)) {
        if (!IsNumber(value))
            return Quoted(argument) + ": " + name + " takes a number such as 455.55 or -7";
        into.numbers[name] = value;
        return std::nullopt;
    }
    return "unknown input name in " + Quoted(argument);
}

std::optional<std::string> ParseAssignments(const std::vector<std::string>& arguments, CalcAssignments& into)
{
    for (const std::string& argument : arguments)
        if (auto error = AddAssignment(argument, into))
            return error;
    return std::nullopt;
}
