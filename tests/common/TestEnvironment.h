#pragma once

#include <QString>

// The ground every test process that touches settings, the desktop or widgets starts from. Call
// Isolate() from the test class's public static initMain(), which QTEST_MAIN runs before it
// creates the application object: Qt reads these variables once, when it starts.
namespace TestEnvironment {

// Configuration and data folders of the process's own, removed at exit, with no system folders
// beside them, no desktop and no browser: no test reads or writes the user's settings, and an
// address that fails to open cannot reach a real browser. The folders are passed on to the
// programs a test starts. The C locale, so number formats do not follow the machine's language,
// and the offscreen platform unless another one is chosen.
void Isolate();

// The configuration folder (XDG_CONFIG_HOME) set by Isolate(), where QSettings keeps its files.
QString ConfigHome();

} // namespace TestEnvironment
