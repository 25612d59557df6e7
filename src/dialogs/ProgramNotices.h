#pragma once

// The maker's notices, shown by the Help and About dialogs.
namespace ProgramNotices {
inline constexpr char kCopyright[] = "Copyright \u00A9 2026 Nordavik";
inline constexpr char kCreditCalculation[] = "Heat loads: Nordavik Engineering";
inline constexpr char kCreditProgram[] = "Program: the Kaldora team";
inline constexpr char kTrademarks[] = "Nordavik and Kaldora are trademarks of Nordavik. All rights reserved.";
} // namespace ProgramNotices
