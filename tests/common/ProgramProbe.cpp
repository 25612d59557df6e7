#include "ProgramProbe.h"

#include <QFile>

bool CatchesSignal(qint64 pid, int signal)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (signal < 1 || signal > 64 || !status.open(QIODevice::ReadOnly))
        return false;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (!line.startsWith("SigCgt:"))
            continue;
        bool ok = false;
        const quint64 caught = line.mid(7).trimmed().toULongLong(&ok, 16);
        return ok && (caught >> (signal - 1) & 1u) != 0;
    }
    return false;
}
