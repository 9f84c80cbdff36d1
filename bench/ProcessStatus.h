#pragma once

#include <QByteArray>
#include <QFile>

namespace quillon::bench {

// A "Vm..." line of /proc/self/status in KiB, or -1 when it cannot be read.
inline qint64 processStatusKiB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(prefix)) {
            const QByteArray digits = line.mid(prefix.size()).trimmed().split(' ').value(0);
            bool ok = false;
            const qint64 value = digits.toLongLong(&ok);
            return ok ? value : -1;
        }
    }
    return -1;
}

// Peak resident memory of this process so far.
inline qint64 peakResidentKiB()
{
    return processStatusKiB("VmHWM");
}

} // namespace quillon::bench
