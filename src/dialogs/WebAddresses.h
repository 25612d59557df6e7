#pragma once

// The maker's pages the program opens in the browser.
namespace WebAddresses {
inline constexpr char kHomePage[] = "https://nordavik.example/";
inline constexpr char kProductSelection[] = "https://nordavik.example/product-selection";
} // namespace WebAddresses
