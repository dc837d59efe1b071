#pragma once

#include <QFile>
#include <QTextStream>

#include <ctime>

// Printed by a started program once its window is up: the monotonic clock in
// nanoseconds (comparable across processes) and the resident memory in KiB.
inline void reportStartupProbe()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    long rssKiB = 0;
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS:"))
                rssKiB = line.mid(6).trimmed().split(' ').value(0).toLong();
        }
    }
    QTextStream(stdout) << qint64(now.tv_sec) * 1000000000LL + now.tv_nsec << ' ' << rssKiB << Qt::endl;
}
