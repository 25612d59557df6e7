#pragma once

#include <QtGlobal>

class QAction;
class QMenu;

// The "&About..." command of the main window. The platform's window menu reserves the low four
// bits of a command identifier for itself, so every identifier that is 16 with those bits
// cleared means About.
namespace AboutCommand {
inline constexpr int kId = 16;
inline constexpr char kMenuText[] = QT_TRANSLATE_NOOP("CommandMenu", "&About..."); // one of the window's menu entries

constexpr bool Opens(int commandId)
{
    return (commandId & ~0xF) == kId;
}

// A separator, then the item, carrying kId as its data.
QAction* AppendTo(QMenu& menu);
} // namespace AboutCommand
