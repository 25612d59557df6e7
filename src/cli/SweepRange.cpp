#include "cli/SweepRange.h"

#include "storage/InputAssignments.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdint>

namespace {

constexpr int kMaxWholeDigits = 9;
constexpr int kMaxDecimals = 6;

// A plain number as an integer count of 10^-decimals.
struct Decimal {
    std::int64_t scaled = 0;
    int decimals = 0;
};

std::optional<Decimal> ParseDecimal(const std::string& text)
{
    if (!IsPlainNumber(text))
        return std::nullopt;
    const bool negative = text[0] == '-';
    const std::string digits = negative ? text.substr(1) : text;
    const std::size_t point = digits.find('.');
    const std::string whole = digits.substr(0, point);
    const std::string fraction = point == std::string::npos ? std::string() : digits.substr(point + 1);
    if (whole.size() > kMaxWholeDigits || fraction.size() > kMaxDecimals)
        return std::nullopt;
    Decimal d{std::stoll(whole + fraction), static_cast<int>(fraction.size())};
    if (negative)
        d.scaled = -d.scaled;
    return d;
}

std::int64_t Rescaled(const Decimal& d, int decimals)
{
    std::int64_t value = d.scaled;
    for (int i = d.decimals; i < decimals; ++i)
        value *= 10;
    return value;
}

std::string Text(std::int64_t scaled, int decimals)
{
    const bool negative = scaled < 0;
    std::string digits = std::to_string(negative ? -scaled : scaled);
    if (static_cast<int>(digits.size()) <= decimals)
        digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    std::string whole = digits.substr(0, digits.size() - static_cast<std::size_t>(decimals));
    std::string fraction = digits.substr(whole.size());
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    const bool zero = whole == "0" && fraction.empty();
    return (negative && !zero ? "-" : "") + whole + (fraction.empty() ? "" : "." + fraction);
}

// FROM:TO:STEP as three decimals.
bool ParseRange(const std::string& range, Decimal (&parts)[3])
{
    std::size_t start = 0;
    for (int i = 0; i < 3; ++i) {
        const std::size_t colon = i < 2 ? range.find(':', start) : range.size();
        if (colon == std::string::npos)
            return false;
        const std::optional<Decimal> part = ParseDecimal(range.substr(start, colon - start));
        if (!part)
            return false;
        parts[i] = *part;
        start = colon + 1;
    }
    return true;
}

} // namespace

std::optional<std::string> ParseSweep(const std::string& text, SweepRange& into)
{
    // The messages in the user's language, the option as given in them.
    const QString given = QString::fromStdString(text);
    const std::size_t eq = text.find('=');
    const std::string name = text.substr(0, eq);
    if (eq == std::string::npos || KindOfInput(name) != InputKind::Number)
        return QCoreApplication::translate(
                   "SweepRange", "'--sweep %1': expected NAME=FROM:TO:STEP with NAME a number input such as iDepth")
            .arg(given)
            .toStdString();
    Decimal parts[3];
    if (!ParseRange(text.substr(eq + 1), parts))
        return QCoreApplication::translate("SweepRange",
                                           "'--sweep %1': FROM, TO and STEP take numbers such as 455.55 or "
                                           "-7 (at most %2 whole digits and %3 decimals)")
            .arg(given, QString::number(kMaxWholeDigits), QString::number(kMaxDecimals))
            .toStdString();
    const int decimals = std::max({parts[0].decimals, parts[1].decimals, parts[2].decimals});
    const std::int64_t first = Rescaled(parts[0], decimals);
    const std::int64_t span = Rescaled(parts[1], decimals) - first;
    const std::int64_t stride = Rescaled(parts[2], decimals);
    if (stride == 0 || (span != 0 && (span < 0) != (stride < 0)))
        return QCoreApplication::translate("SweepRange", "'--sweep %1': STEP must lead from FROM to TO")
            .arg(given)
            .toStdString();
    const std::int64_t count = span / stride + 1;
    if (count > SweepRange::kMaxValues)
        return QCoreApplication::translate("SweepRange", "'--sweep %1': more than %2 values")
            .arg(given, QString::number(SweepRange::kMaxValues))
            .toStdString();
    into.name = name;
    into.values.clear();
    for (std::int64_t i = 0; i < count; ++i)
        into.values.push_back(Text(first + i * stride, decimals));
    return std::nullopt;
}
