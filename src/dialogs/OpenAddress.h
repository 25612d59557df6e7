#pragma once

#include "dialogs/DesktopHandler.h"

#include <QString>

// Opening a web address in the user's browser. The results keep the platform's shell-execute
// codes, so a caller tests "greater than 32" for success and ShowOpenError explains the rest.
// How this platform's outcomes map onto them:
//   QDesktopServices::openUrl succeeded ........................ kOpened
//   no text/html handler registered (or it has no usable Exec) .. kNoAssociation (31)
//   the handler's program is not there or not executable ........ kFileNotFound (2)
//   QProcess::startDetached could not start it .................. kOutOfResources (0)
//   the handler was started ..................................... kOpened
namespace OpenResult {
inline constexpr int kOutOfResources = 0;
inline constexpr int kFileNotFound = 2;
inline constexpr int kNoAssociation = 31;
inline constexpr int kOpened = 33;
} // namespace OpenResult

// "Activate the window and show it in its current size and position". Qt leaves the placement
// of the browser's window to the browser, so the value is accepted and not used.
inline constexpr int kShowNormal = 5;

// The desktop's own opener first; when it fails, the handler the desktop registers for
// text/html, started directly (never through a shell).
int OpenAddress(const QString& address, int show);

// The fallback on its own, against the given desktop.
int OpenThroughHandler(const QString& address, const DesktopHandler::SearchPaths& paths);
