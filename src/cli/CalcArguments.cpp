#include "cli/CalcArguments.h"

#include <QCoreApplication>

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

// The messages in the user's language; the argument and the input's name go in as given.
std::string Message(const char* pattern, const std::string& argument)
{
    return QCoreApplication::translate("CalcArguments", pattern).arg(QString::fromStdString(argument)).toStdString();
}

std::string Message(const char* pattern, const std::string& argument, const std::string& name)
{
    return QCoreApplication::translate("CalcArguments", pattern)
        .arg(QString::fromStdString(argument), QString::fromStdString(name))
        .toStdString();
}

} // namespace

std::optional<std::string> AddAssignment(const std::string& argument, InputAssignments& into)
{
    const size_t eq = argument.find('=');
    if (eq == std::string::npos)
        return Message(QT_TRANSLATE_NOOP("CalcArguments", "expected NAME=VALUE, got '%1'"), argument);
    const std::string name = argument.substr(0, eq);
    const std::string value = argument.substr(eq + 1);

    switch (KindOfInput(name)) {
    case InputKind::UnitChoice:
    case InputKind::Option:
        if (value != "0" && value != "1")
            return Message(QT_TRANSLATE_NOOP("CalcArguments", "'%1': %2 takes 0 or 1"), argument, name);
        (KindOfInput(name) == InputKind::UnitChoice ? into.units : into.options)[name] = value == "1";
        return std::nullopt;
    case InputKind::Selection:
        if (!IsWholeNumber(value))
            return Message(QT_TRANSLATE_NOOP("CalcArguments", "'%1': %2 takes a whole row number"), argument, name);
        into.selections[name] = WholeNumber(value);
        return std::nullopt;
    case InputKind::Number:
        if (!IsPlainNumber(value))
            return Message(QT_TRANSLATE_NOOP("CalcArguments", "'%1': %2 takes a number such as 455.55 or -7"), argument,
                           name);
        into.numbers[name] = value;
        return std::nullopt;
    default:
        return Message(QT_TRANSLATE_NOOP("CalcArguments", "unknown input name in '%1'"), argument);
    }
}

std::optional<std::string> ParseAssignments(const std::vector<std::string>& arguments, InputAssignments& into)
{
    for (const std::string& argument : arguments)
        if (auto error = AddAssignment(argument, into))
            return error;
    return std::nullopt;
}
