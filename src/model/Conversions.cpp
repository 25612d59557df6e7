#include "model/Conversions.h"

#include "model/Format.h"

#include <cstdlib>

namespace Conversions {

namespace {
constexpr double kBtuPerWatt = 3.41214163;
constexpr double kPoundsPerKilogram = 2.20462;
constexpr double kKilogramsPerPound = 0.453592;
constexpr double kInchesPerMillimetre = 0.0393701;
constexpr double kMillimetresPerInch = 25.4;
constexpr double kCubicFeetPerLitre = 0.0353147;
constexpr double kImperialKPerSi = 0.5781759824;
constexpr double kSiKPerImperial = 1.7295772056;
constexpr double kPsiPerBar = 14.5034824;
constexpr double kAtmosphereBar = 1.0133;

double ReadNumber(const std::string& text)
{
    return std::strtod(text.c_str(), nullptr);
}
} // namespace

double WattsToBtuPerHour(double w)
{
    return w * kBtuPerWatt;
}
double FahrenheitToCelsius(double f)
{
    return (f - 32.0) / 1.8;
}
double CelsiusToFahrenheit(double c)
{
    return c * 1.8 + 32.0;
}
double KelvinDiffToFahrenheitDiff(double k)
{
    return k * 1.8;
}
double FahrenheitDiffToKelvinDiff(double f)
{
    return f / 1.8;
}
double KilogramsToPounds(double kg)
{
    return kg * kPoundsPerKilogram;
}
double PoundsToKilograms(double lb)
{
    return lb * kKilogramsPerPound;
}
double MillimetresToInches(double mm)
{
    return mm * kInchesPerMillimetre;
}
double InchesToMillimetres(double in)
{
    return in * kMillimetresPerInch;
}
double LitresToCubicFeet(double l)
{
    return l * kCubicFeetPerLitre;
}
double WPerMKToBtuPerHFtF(double k)
{
    return k * kImperialKPerSi;
}
double BtuPerHFtFToWPerMK(double k)
{
    return k * kSiKPerImperial;
}

int CelsiusToFahrenheitInt(int c)
{
    return static_cast<int>(c * 1.8 + 32.0);
}
int KilogramsToPoundsInt(int kg)
{
    return static_cast<int>(kg * kPoundsPerKilogram);
}
int MillimetresToInchesInt(int mm)
{
    return static_cast<int>(mm * kInchesPerMillimetre);
}
int KelvinDiffToFahrenheitDiffInt(int k)
{
    return static_cast<int>(k * 1.8);
}

long long RoundHalfAwayFromZero(double x)
{
    return x > 0 ? static_cast<long long>(x + 0.5) : static_cast<long long>(x - 0.5);
}

double BtuPerHourToKilowatts(double btu)
{
    return btu * 0.0002930667;
}
double BtuPerHourToWatts(double btu)
{
    return btu * 0.29307107;
}
double KilowattsToBtuPerHour(double kw)
{
    return kw * 3412.19;
}
double KilowattsToTons(double kw)
{
    return kw / 3.5168001;
}
double TonsToKilowatts(double tons)
{
    return tons * 3.5168001;
}
double BtuPerHourToTons(double btu)
{
    return btu / 12000.0;
}
double TonsToBtuPerHour(double tons)
{
    return tons * 12000.0;
}
double FahrenheitToKelvin(double f)
{
    return (f - 32.0) / 1.8 + 273.15;
}
double KelvinToFahrenheit(double k)
{
    return (k - 273.15) * 1.8 + 32.0;
}
double KelvinToCelsius(double k)
{
    return k - 273.15;
}
double CelsiusToKelvin(double c)
{
    return c + 273.15;
}
double BarToPsi(double bar)
{
    return bar * kPsiPerBar;
}
double PsiToBar(double psi)
{
    return psi / kPsiPerBar;
}
double LitresToUsGallons(double l)
{
    return l * 0.264172;
}
double UsGallonsToLitres(double gal)
{
    return gal * 3.78541;
}
double MetresToInchesIfImperial(double m, bool lengthInInches)
{
    return lengthInInches ? m * 39.37 : m;
}

std::string BtuPerHourTextToKilowattsText(const std::string& text)
{
    return FormatText("%.2f", BtuPerHourToKilowatts(ReadNumber(text)));
}
std::string KilowattsTextToBtuPerHourText(const std::string& text)
{
    return FormatText("%.0f", KilowattsToBtuPerHour(ReadNumber(text)));
}
std::string FahrenheitDiffTextToKelvinDiffText(const std::string& text)
{
    return FormatText("%.1f", FahrenheitDiffToKelvinDiff(ReadNumber(text)));
}
std::string KelvinDiffTextToFahrenheitDiffText(const std::string& text)
{
    return FormatText("%.1f", KelvinDiffToFahrenheitDiff(ReadNumber(text)));
}
std::string FahrenheitTextToKelvinText(const std::string& text)
{
    return FormatText("%.1f", FahrenheitToKelvin(ReadNumber(text)));
}
std::string KelvinTextToFahrenheitText(const std::string& text)
{
    return FormatText("%.1f", KelvinToFahrenheit(ReadNumber(text)));
}
std::string PsiGaugeTextToBarText(const std::string& text)
{
    return FormatText("%.2f", ReadNumber(text) / kPsiPerBar + kAtmosphereBar);
}
std::string BarTextToPsiGaugeText(const std::string& text)
{
    return FormatText("%.1f", (ReadNumber(text) - kAtmosphereBar) * kPsiPerBar);
}

} // namespace Conversions
