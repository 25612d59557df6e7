#pragma once

#include "dialogs/DesktopHandler.h"

#include <QString>

#include <functional>

class QObject;

// Opening a web address in the user's browser. The results keep the platform's shell-execute
// codes, so a caller tests "greater than 32" for success and ShowOpenError explains the rest.
// How this platform's outcomes map onto them:
//   the opener (xdg-open, else the handler) ended with status 0 or still runs . kOpened
//   no text/html handler registered (or it has no usable Exec) .............. kNoAssociation (31)
//   the handler's program is not there or not executable .................... kFileNotFound (2)
//   the handler's program could not be started .............................. kOutOfResources (0)
//   the handler ran and ended with another status, or crashed ............... kAssociationIncomplete (27)
namespace OpenResult {
inline constexpr int kOutOfResources = 0;
inline constexpr int kFileNotFound = 2;
inline constexpr int kAssociationIncomplete = 27;
inline constexpr int kNoAssociation = 31;
inline constexpr int kOpened = 33;
} // namespace OpenResult

// "Activate the window and show it in its current size and position". Qt leaves the placement
// of the browser's window to the browser, so the value is accepted and not used.
inline constexpr int kShowNormal = 5;

// Hears the result once it is known; never before the call that asked returns.
using OpenDone = std::function<void(int result)>;

// xdg-open first, started by us so that its exit status is seen; when it is not on PATH, cannot
// be started or fails, the handler the desktop registers for text/html, started directly (never
// through a shell). Nothing waits on either (see OpenerRun). `done` may be empty; it is dropped
// when `context` is gone by then.
void OpenAddress(const QString& address, int show, QObject* context, OpenDone done);

// The fallback on its own, against the given desktop.
void OpenThroughHandler(const QString& address, const DesktopHandler::SearchPaths& paths, QObject* context,
                        OpenDone done);
