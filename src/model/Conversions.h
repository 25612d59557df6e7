#pragma once

#include <string>

// Unit conversions with the constants the calculator has always used. The pairs are not exact
// inverses (25.4 x 0.0393701 is 1.00000054); results are never corrected for that.
namespace Conversions {

double WattsToBtuPerHour(double w);
double FahrenheitToCelsius(double f);
double CelsiusToFahrenheit(double c);
double KelvinDiffToFahrenheitDiff(double k);
double FahrenheitDiffToKelvinDiff(double f);
double KilogramsToPounds(double kg);
double PoundsToKilograms(double lb);
double MillimetresToInches(double mm);
double InchesToMillimetres(double in);
double LitresToCubicFeet(double l);
double WPerMKToBtuPerHFtF(double k);
double BtuPerHFtFToWPerMK(double k);

// Integer variants for range texts: truncated toward zero.
int CelsiusToFahrenheitInt(int c);
int KilogramsToPoundsInt(int kg);
int MillimetresToInchesInt(int mm);
int KelvinDiffToFahrenheitDiffInt(int k);

// x > 0: integer part of x + 0.5, otherwise integer part of x - 0.5.
long long RoundHalfAwayFromZero(double x);

// Further conversions offered for completeness.
double BtuPerHourToKilowatts(double btu);
double BtuPerHourToWatts(double btu);
double KilowattsToBtuPerHour(double kw);
double KilowattsToTons(double kw);
double TonsToKilowatts(double tons);
double BtuPerHourToTons(double btu);
double TonsToBtuPerHour(double tons);
double FahrenheitToKelvin(double f);
double KelvinToFahrenheit(double k);
double KelvinToCelsius(double k);
double CelsiusToKelvin(double c);
double BarToPsi(double bar);
double PsiToBar(double psi);
double LitresToUsGallons(double l);
double UsGallonsToLitres(double gal);
// Metres to inches only when lengths are shown in inches; otherwise the value is returned as is.
double MetresToInchesIfImperial(double m, bool lengthInInches);

// Text-to-text family: reads a number from text (strtod in the current locale) and returns the
// converted value formatted as noted.
std::string BtuPerHourTextToKilowattsText(const std::string& text);      // "%.2f"
std::string KilowattsTextToBtuPerHourText(const std::string& text);      // "%.0f"
std::string FahrenheitDiffTextToKelvinDiffText(const std::string& text); // "%.1f"
std::string KelvinDiffTextToFahrenheitDiffText(const std::string& text); // "%.1f"
std::string FahrenheitTextToKelvinText(const std::string& text);         // "%.1f"
std::string KelvinTextToFahrenheitText(const std::string& text);         // "%.1f"
std::string PsiGaugeTextToBarText(const std::string& text);              // "%.2f", x / 14.5034824 + 1.0133
std::string BarTextToPsiGaugeText(const std::string& text);              // "%.1f", (x - 1.0133) x 14.5034824

} // namespace Conversions
