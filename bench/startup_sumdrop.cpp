// The game started exactly as main.cpp does, reporting at its first paint.
#include <QApplication>

#include "app/language.h"
#include "app/program.h"
#include "platform/qtplatform.h"
#include "startup_probe.h"

int main(int argc, char *argv[])
{
    answerCommandLine(argc, argv);
    QApplication application(argc, argv);
    const FirstPaintProbe probe;
    installLanguage(application, languageFromCommandLine(QApplication::arguments()));
    QtPlatform platform;
    const auto program = startProgram(platform, classServerFromCommandLine(QApplication::arguments()));
    return program ? application.exec() : 1;
}
