#include "cli/CalcArguments.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

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

std::optional<std::string> AddAssignment(const std::string& argument, InputAssignments& into)
{
    const size_t eq = argument.find('=');
    if (eq == std::string::npos)
        return "expected NAME=VALUE, got " + Quoted(argument);
    const std::string name = argument.substr(0, eq);
    const std::string value = argument.substr(eq + 1);

    switch (KindOfInput(name)) {
    case InputKind::UnitChoice:
    case InputKind::Option:
        if (value != "0" && value != "1")
            return Quoted(argument) + ": " + name + " takes 0 or 1";
        (KindOfInput(name) == InputKind::UnitChoice ? into.units : into.options)[name] = value == "1";
        return std::nullopt;
    case InputKind::Selection:
        if (!IsWholeNumber(value))
            return Quoted(argument) + ": " + name + " takes a whole row number";
        into.selections[name] = WholeNumber(value);
        return std::nullopt;
    case InputKind::Number:
        if (!IsPlainNumber(value))
            return Quoted(argument) + ": " + name + " takes a number such as 455.55 or -7";
        into.numbers[name] = value;
        return std::nullopt;
    default:
        return "unknown input name in " + Quoted(argument);
    }
}

std::optional<std::string> ParseAssignments(const std::vector<std::string>& arguments, InputAssignments& into)
{
    for (const std::string& argument : arguments)
        if (auto error = AddAssignment(argument, into))
            return error;
    return std::nullopt;
}
