#include "presentation/SpokenUnits.h"

#include "model/Translatable.h"

#include <array>
#include <utility>

namespace {

// Longest first, so a k unit is spoken whole before its "°F" would be.
constexpr std::array<std::pair<const char*, const char*>, 8> kSpoken = {{
    {"BTU/h\u00B7ft\u00B7\u00B0F", QT_TRANSLATE_NOOP("SpokenUnits", "BTU per hour foot degree Fahrenheit")},
    {"W/m\u00B7K", QT_TRANSLATE_NOOP("SpokenUnits", "watts per metre kelvin")},
    {"Btu/hr", QT_TRANSLATE_NOOP("SpokenUnits", "BTU per hour")},
    {"ft3", QT_TRANSLATE_NOOP("SpokenUnits", "cubic feet")},
    {"\u00BAC", QT_TRANSLATE_NOOP("SpokenUnits", "degrees Celsius")},
    {"\u00BAF", QT_TRANSLATE_NOOP("SpokenUnits", "degrees Fahrenheit")},
    {"\u00BAK", QT_TRANSLATE_NOOP("SpokenUnits", "kelvin")},
    {"\u00B0F", QT_TRANSLATE_NOOP("SpokenUnits", "degrees Fahrenheit")},
}};

} // namespace

std::string SpokenUnits(std::string text, TextLookup lookup)
{
    for (const auto& [symbol, spoken] : kSpoken) {
        const std::string from(symbol), to = LookUp(lookup, "SpokenUnits", spoken);
        for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
            text.replace(at, from.size(), to);
    }
    return text;
}
