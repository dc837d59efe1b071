#include "app/mainwindow.h"

#include "app/program.h"

MainWindow::MainWindow(Program &program)
    : program(program)
{
    setObjectName(QStringLiteral("frmProgram"));
}
