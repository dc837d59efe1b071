#pragma once

#include <QMainWindow>

class Program;

// frmProgram: the banner, the setup tabs, the card and the menu bar.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(Program &program);

private:
    Program &program;
};
