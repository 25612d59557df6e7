#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

// Stand-ins for the programs that open web pages: small scripts in a temporary folder that is
// the whole PATH while the object lives (so no real xdg-open or browser can be reached). Each
// records its arguments, one a line, in NAME.args, then ends with the chosen status or keeps
// running; one still running when the object goes is ended then.
class StandInOpeners {
public:
    static constexpr int kKeepsRunning = -1;

    StandInOpeners()
        : oldPath_(qgetenv("PATH"))
    {
        qputenv("PATH", dir_.path().toLocal8Bit());
    }
    ~StandInOpeners()
    {
        qputenv("PATH", oldPath_);
        QFile pids(dir_.filePath(QStringLiteral("running.pids")));
        if (pids.open(QIODevice::ReadOnly))
            for (const QByteArray& pid : pids.readAll().split('\n'))
                if (pid.toInt() > 0)
                    ::kill(pid.toInt(), SIGTERM);
    }

    QString Dir() const { return dir_.path(); }

    // Writes the program NAME into the folder; its full path.
    QString Write(const QString& name, int status)
    {
        const QByteArray record = dir_.filePath(name).toLocal8Bit();
        QByteArray script = "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"" + record +
                            ".part\"\n/bin/mv \"" + record + ".part\" \"" + record + ".args\"\n";
        if (status == kKeepsRunning)
            script += "echo $$ >> \"" + dir_.filePath(QStringLiteral("running.pids")).toLocal8Bit() +
                      "\"\nexec /bin/sleep 60\n";
        else
            script += "exit " + QByteArray::number(status) + "\n";
        QFile file(dir_.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(script) != script.size())
            return {};
        file.close();
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
        return file.fileName();
    }

    // The arguments NAME was started with; null when it never ran.
    QStringList Arguments(const QString& name) const
    {
        QFile file(dir_.filePath(name + QStringLiteral(".args")));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QStringList lines = QString::fromLocal8Bit(file.readAll()).split(u'\n');
        lines.removeLast(); // after the last line's break
        return lines;
    }
    bool Ran(const QString& name) const { return QFile::exists(dir_.filePath(name + QStringLiteral(".args"))); }

private:
    QTemporaryDir dir_;
    QByteArray oldPath_;
};
