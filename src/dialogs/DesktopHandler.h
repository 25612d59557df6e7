#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The program the desktop registers for a MIME type, found the way the freedesktop.org
// specifications describe it (mimeapps.list, then the older defaults.list and mimeinfo.cache),
// and the command line its desktop entry's Exec line gives for one address.
class DesktopHandler {
public:
    struct SearchPaths {
        QStringList configDirs;      // $XDG_CONFIG_HOME, then $XDG_CONFIG_DIRS
        QStringList applicationDirs; // $XDG_DATA_HOME/applications, then $XDG_DATA_DIRS/applications
        QStringList desktops;        // $XDG_CURRENT_DESKTOP, lower case
    };

    struct Command {
        QString program;
        QStringList arguments;
    };

    // The XDG variables of this process, with the XDG base-directory defaults.
    static SearchPaths FromEnvironment();

    // The Exec line of the first registered default handler whose desktop file exists.
    static std::optional<QString> DefaultExec(const QString& mimeType, const SearchPaths& paths);

    // The command an Exec line gives for the address: the line is cut before its first file or
    // URL field code (%u, %U, %f, %F) and the address becomes one more argument; without a field
    // code it is appended to the whole line. The address is never parsed, so nothing in it can
    // become a second argument or a command. Empty for a line without a program or with
    // unbalanced quotes.
    static std::optional<Command> CommandFor(const QString& execLine, const QString& address);
};
