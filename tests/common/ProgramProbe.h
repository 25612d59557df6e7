#pragma once

#include <QtGlobal>

// Whether the running process `pid` has a handler of its own for `signal` (Linux: the caught
// mask in /proc/PID/status). The window program sets its termination handlers once its window
// and settings are up, so a test waits for this before it asks the program to end.
bool CatchesSignal(qint64 pid, int signal);
