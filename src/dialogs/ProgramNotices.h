#pragma once

#include <QtGlobal>

// The maker's notices, shown by the Help and About dialogs (translated under "ProgramNotices"),
// and the one word of their buttons.
namespace ProgramNotices {
inline constexpr char kContext[] = "ProgramNotices";
inline constexpr char kCopyright[] = QT_TRANSLATE_NOOP("ProgramNotices", "Copyright \u00A9 2026 Nordavik");
inline constexpr char kCreditCalculation[] = QT_TRANSLATE_NOOP("ProgramNotices", "Heat loads: Nordavik Engineering");
inline constexpr char kCreditProgram[] = QT_TRANSLATE_NOOP("ProgramNotices", "Program: the Kaldora team");
inline constexpr char kTrademarks[] =
    QT_TRANSLATE_NOOP("ProgramNotices", "Nordavik and Kaldora are trademarks of Nordavik. All rights reserved.");
inline constexpr char kOk[] = QT_TRANSLATE_NOOP("ProgramNotices", "OK");
} // namespace ProgramNotices
