#pragma once

#include <QString>

// The desktop's list of recently used files, $XDG_DATA_HOME/recently-used.xbel (the file the GTK
// file chooser, the file managers' "Recent" and the shell's search read): a calculation opened
// or saved goes in as a bookmark with its type and the command that opens it. Every other entry
// is copied as it stands; a file that cannot be read as XBEL is left alone.
namespace DesktopRecent {

QString ListPath();

// False when the list could not be written (or was left alone).
bool Add(const QString& filePath, const QString& mimeType, const QString& applicationName, const QString& command);

} // namespace DesktopRecent
