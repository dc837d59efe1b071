#include "app/program.h"

#include "app/mainwindow.h"
#include "version.h"

Program::Program(Platform &platform)
    : platform(platform)
{
}

Program::~Program() = default;

std::unique_ptr<Program> startProgram(Platform &platform)
{
    auto program = std::make_unique<Program>(platform);
    program->mainWindow = std::make_unique<MainWindow>(*program);
    program->mainWindow->setWindowTitle(QStringLiteral("Sumdrop Version ") + QLatin1String(sumdropVersion));
    program->mainWindow->show();
    return program;
}
