// The baseline: a bare Qt program showing one empty main window.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

#include "startup_probe.h"

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.resize(1280, 1024);
    window.show();
    QTimer::singleShot(0, [] {
        reportStartupProbe();
        QCoreApplication::exit(0);
    });
    return application.exec();
}
