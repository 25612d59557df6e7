#include "dialogs/DesktopHandler.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <utility>
#include <vector>

namespace {

QStringList EnvDirs(const char* name, const QString& fallback)
{
    const QString value = qEnvironmentVariable(name);
    return (value.isEmpty() ? fallback : value).split(u':', Qt::SkipEmptyParts);
}

QString EnvDir(const char* name, const QString& fallback)
{
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? fallback : value;
}

// One key of one group of a desktop-entry style file.
std::optional<QString> ReadEntry(const QString& path, const QString& group, const QString& key)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    bool inGroup = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(u'[')) {
            inGroup = line == u'[' + group + u']';
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (inGroup && equals > 0 && line.left(equals).trimmed() == key)
            return line.mid(equals + 1).trimmed();
    }
    return std::nullopt;
}

// A desktop file id "vendor-app.desktop" may also live as vendor/app.desktop.
std::optional<QString> FindDesktopFile(const QString& id, const QStringList& applicationDirs)
{
    QStringList names{id};
    if (const qsizetype dash = id.indexOf(u'-'); dash > 0)
        names << id.left(dash) + u'/' + id.mid(dash + 1);
    for (const QString& dir : applicationDirs) {
        for (const QString& name : names) {
            const QString path = QDir(dir).filePath(name);
            if (QFileInfo(path).isFile())
                return path;
        }
    }
    return std::nullopt;
}

std::optional<QString> ExecOf(const QString& desktopFile)
{
    if (ReadEntry(desktopFile, QStringLiteral("Desktop Entry"), QStringLiteral("Hidden")) == u"true")
        return std::nullopt;
    auto exec = ReadEntry(desktopFile, QStringLiteral("Desktop Entry"), QStringLiteral("Exec"));
    if (!exec || exec->isEmpty())
        return std::nullopt;
    return exec;
}

// Every file that may name a default handler, most important first.
std::vector<std::pair<QString, QString>> Candidates(const DesktopHandler::SearchPaths& paths)
{
    const QString defaults = QStringLiteral("Default Applications");
    std::vector<std::pair<QString, QString>> files;
    auto addMimeApps = [&](const QStringList& dirs) {
        for (const QString& dir : dirs) {
            for (const QString& desktop : paths.desktops)
                files.emplace_back(QDir(dir).filePath(desktop + QStringLiteral("-mimeapps.list")), defaults);
            files.emplace_back(QDir(dir).filePath(QStringLiteral("mimeapps.list")), defaults);
        }
    };
    addMimeApps(paths.configDirs);
    addMimeApps(paths.applicationDirs);
    for (const QString& dir : paths.applicationDirs)
        files.emplace_back(QDir(dir).filePath(QStringLiteral("defaults.list")), defaults);
    for (const QString& dir : paths.applicationDirs)
        files.emplace_back(QDir(dir).filePath(QStringLiteral("mimeinfo.cache")), QStringLiteral("MIME Cache"));
    return files;
}

// The general escapes of a desktop-entry string value.
QString Unescape(const QString& value)
{
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != u'\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const QChar next = value[++i];
        switch (next.unicode()) {
        case 's':
            out += u' ';
            break;
        case 'n':
            out += u'\n';
            break;
        case 't':
            out += u'\t';
            break;
        case 'r':
            out += u'\r';
            break;
        case '\\':
            out += u'\\';
            break;
        default:
            out += u'\\';
            out += next;
            break; // left for the quoting rules
        }
    }
    return out;
}

struct Token {
    QString text;
    bool quoted = false;
};

// Splits an Exec line into arguments: blanks separate, double quotes group, and inside quotes
// a backslash keeps the next character.
std::optional<std::vector<Token>> Tokenize(const QString& line)
{
    std::vector<Token> tokens;
    std::optional<Token> current;
    bool inQuotes = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (inQuotes) {
            if (c == u'"')
                inQuotes = false;
            else if (c == u'\\' && i + 1 < line.size())
                current->text += line[++i];
            else
                current->text += c;
        } else if (c == u' ' || c == u'\t') {
            if (current)
                tokens.push_back(*current);
            current.reset();
        } else {
            if (!current)
                current = Token{};
            if (c == u'"')
                inQuotes = current->quoted = true;
            else if (c == u'\\' && i + 1 < line.size())
                current->text += line[++i];
            else
                current->text += c;
        }
    }
    if (inQuotes)
        return std::nullopt;
    if (current)
        tokens.push_back(*current);
    return tokens;
}

bool IsAddressCode(QChar c)
{
    return c == u'u' || c == u'U' || c == u'f' || c == u'F';
}

} // namespace

DesktopHandler::SearchPaths DesktopHandler::FromEnvironment()
{
    const QString home = QDir::homePath();
    SearchPaths paths;
    paths.configDirs << EnvDir("XDG_CONFIG_HOME", home + QStringLiteral("/.config"))
                     << EnvDirs("XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg"));
    const QStringList dataDirs = QStringList{EnvDir("XDG_DATA_HOME", home + QStringLiteral("/.local/share"))} +
                                 EnvDirs("XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share"));
    for (const QString& dir : dataDirs)
        paths.applicationDirs << QDir(dir).filePath(QStringLiteral("applications"));
    for (const QString& desktop : EnvDirs("XDG_CURRENT_DESKTOP", {}))
        paths.desktops << desktop.toLower();
    return paths;
}

std::optional<QString> DesktopHandler::DefaultExec(const QString& mimeType, const SearchPaths& paths)
{
    for (const auto& [file, group] : Candidates(paths)) {
        const auto ids = ReadEntry(file, group, mimeType);
        if (!ids)
            continue;
        for (const QString& id : ids->split(u';', Qt::SkipEmptyParts)) {
            const auto desktopFile = FindDesktopFile(id.trimmed(), paths.applicationDirs);
            if (!desktopFile)
                continue;
            if (auto exec = ExecOf(*desktopFile))
                return exec;
        }
    }
    return std::nullopt;
}

std::optional<DesktopHandler::Command> DesktopHandler::CommandFor(const QString& execLine, const QString& address)
{
    const auto tokens = Tokenize(Unescape(execLine));
    if (!tokens)
        return std::nullopt;
    QStringList words;
    bool cut = false;
    for (const Token& token : *tokens) {
        QString word;
        for (qsizetype i = 0; i < token.text.size() && !cut; ++i) {
            const QChar c = token.text[i];
            if (c != u'%' || i + 1 == token.text.size()) {
                word += c;
                continue;
            }
            const QChar code = token.text[++i];
            if (code == u'%')
                word += u'%';
            else if (IsAddressCode(code))
                cut = true;
            // Any other field code (%i, %c, %k and the deprecated ones) expands to nothing.
        }
        if (!word.isEmpty() || (token.quoted && !cut))
            words << word;
        if (cut)
            break;
    }
    if (words.isEmpty() || words.front().isEmpty())
        return std::nullopt;
    Command command{words.takeFirst(), words};
    command.arguments << address;
    return command;
}
