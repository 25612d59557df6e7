#pragma once

#include <QString>

// The title of the program's message boxes: the program's name, set once at start-up. It is not
// the application's display name, which Qt appends to every window caption on Linux ("Units —
// Nordavik Kaldora"), while the dialogs' captions are their own texts alone.
void SetMessageBoxTitle(const QString& title);

// The title set at start-up; the application's name before that (in tests, say).
QString MessageBoxTitle();
