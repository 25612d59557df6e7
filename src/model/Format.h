#pragma once

#include <cstdio>
#include <string>

// printf-style formatting into a std::string; follows the process's numeric locale, as every
// number the calculator shows does.
template <typename... Args>
std::string FormatText(const char* format, Args... args)
{
    char buffer[512];
    const int n = std::snprintf(buffer, sizeof buffer, format, args...);
    if (n < 0)
        return {};
    if (static_cast<size_t>(n) < sizeof buffer)
        return std::string(buffer, static_cast<size_t>(n));
    std::string big(static_cast<size_t>(n) + 1, '\0');
    std::snprintf(big.data(), big.size(), format, args...);
    big.resize(static_cast<size_t>(n));
    return big;
}
