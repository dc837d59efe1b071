#pragma once

#include <QWidget>

class QCheckBox;
class QPushButton;

// frmHelpIntro: the introduction help. It is hidden, never destroyed, so that
// its check box is still there when Quit saves it.
class HelpIntro : public QWidget
{
    Q_OBJECT
public:
    explicit HelpIntro(QWidget *mainWindow);

    // Shows the introduction and disables the main window until Close.
    void showIntroduction();

    QCheckBox *chkStartupHelp = nullptr;
    QPushButton *Command1 = nullptr;

private:
    QWidget *mainWindow;
};
