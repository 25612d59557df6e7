#pragma once

#include <QtGlobal>

// The maker's pages the program opens in the browser, and the link to the home page.
namespace WebAddresses {
inline constexpr char kHomePageLink[] = QT_TRANSLATE_NOOP("WebAddresses", "Visit Nordavik on the Web");
inline constexpr char kHomePage[] = "https://nordavik.example/";
inline constexpr char kProductSelection[] = "https://nordavik.example/product-selection";
} // namespace WebAddresses
