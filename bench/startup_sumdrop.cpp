// The game started exactly as main.cpp does, reporting once it waits for events.
#include <QApplication>
#include <QTimer>

#include "app/program.h"
#include "platform/qtplatform.h"
#include "startup_probe.h"

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QtPlatform platform;
    const auto program = startProgram(platform);
    QTimer::singleShot(0, [] {
        reportStartupProbe();
        QCoreApplication::exit(0);
    });
    return program ? application.exec() : 1;
}
