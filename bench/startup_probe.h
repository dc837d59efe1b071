#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QMainWindow>
#include <QObject>
#include <QTextStream>
#include <QTimer>

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

// Reports, then ends the program, once the main window has painted for the
// first time and the program waits for events again: on a real display the
// first paint waits for the server to expose the window.
class FirstPaintProbe final : public QObject
{
public:
    FirstPaintProbe() { QCoreApplication::instance()->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!seen && event->type() == QEvent::Paint && watched->isWidgetType()
            && qobject_cast<QMainWindow *>(static_cast<QWidget *>(watched)->window())) {
            seen = true;
            // The rest of the window paints in this same pass.
            QTimer::singleShot(0, this, [] {
                reportStartupProbe();
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool seen = false;
};
