// The baseline: a bare Qt program showing a main window with one label.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include "startup_probe.h"

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const FirstPaintProbe probe;
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("Sumdrop")));
    window.resize(1280, 1024);
    window.show();
    return application.exec();
}
