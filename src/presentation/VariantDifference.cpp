#include "presentation/VariantDifference.h"

#include <cmath>
#include <cstdio>

namespace {

// A signed number with a true minus sign, as a difference reads best.
std::string Signed(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, std::fabs(value));
    return std::string(value < 0 ? "\u2212" : "+") + text;
}

double Rounded(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

} // namespace

std::string DifferenceText(double first, double value, int decimals, const std::string& unit)
{
    const double difference = Rounded(value, decimals) - Rounded(first, decimals);
    if (std::fabs(difference) < 0.5 * std::pow(10.0, -decimals))
        return {};
    std::string text = Signed(difference, decimals);
    if (!unit.empty())
        text += " " + unit;
    if (Rounded(first, decimals) != 0) {
        const double percent = std::round(difference / std::fabs(Rounded(first, decimals)) * 100);
        text += ", " + (percent == 0 ? std::string("0") : Signed(percent, 0)) + " %";
    }
    return text;
}
