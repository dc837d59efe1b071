#include <QApplication>

#include "app/language.h"
#include "app/program.h"
#include "platform/qtplatform.h"

int main(int argc, char *argv[])
{
    answerCommandLine(argc, argv);
    QApplication application(argc, argv);
    installLanguage(application, languageFromCommandLine(QApplication::arguments()));
    QtPlatform platform;
    const auto program = startProgram(platform, classServerFromCommandLine(QApplication::arguments()));
    return program ? application.exec() : 0;
}
