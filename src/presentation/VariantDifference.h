#pragma once

#include <string>

// A variant's value against the first variant's, as the comparison shows it beside the value:
// "+12 W, −8 %" (the percentage of the first value; left out when that is 0). Empty when the two
// are the same at the shown precision.
std::string DifferenceText(double first, double value, int decimals, const std::string& unit);
