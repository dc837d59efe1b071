#include "app/shell.h"

#include <QCheckBox>
#include <QUrl>

#include "help/aboutwindow.h"
#include "help/helpintro.h"
#include "app/mainwindow.h"
#include "app/program.h"
#include "platform/product.h"
#include "ui/widgets.h"
#include "setup/setuppanel.h"

Shell::Shell(Program &program)
    : program(program)
{
    MainWindow *window = program.frmProgram();
    connect(window->mnuQuit, &QAction::triggered, this, &Shell::quit);
    connect(window->mnuAbout, &QAction::triggered, this, &Shell::showAbout);
    connect(window->mnuContents, &QAction::triggered, this, &Shell::showInstructions);
    connect(window->mnuWeb, &QAction::triggered, this, &Shell::openWebPage);
}

Shell::~Shell()
{
    delete about.data();
}

AboutWindow *Shell::frmSplash() const
{
    return about;
}

void Shell::quit()
{
    const bool skipIntroHelp = program.frmHelpIntro()->chkStartupHelp->isChecked();
    // The program ends either way; a failed save leaves the old file whole.
    QString reason;
    if (!saveSettingsFile(program.frmProgram()->setup->collectSettings(skipIntroHelp), settingsFileName, &reason))
        program.dialogs.tellSaveFailed(tr("The settings could not be saved as %1."), settingsFileName, reason);
    program.platform.exitProgram();
}

void Shell::showAbout()
{
    if (!about) {
        about = new AboutWindow;
        connect(about, &AboutWindow::webPageRequested, this, &Shell::openWebPage);
        // The window deletes itself; forget it now so that About never shows a dying one.
        connect(about, &AboutWindow::closing, this, [this] { about = nullptr; });
        centreOver(about, program.frmProgram());
    }
    about->show();
    about->raise();
    about->activateWindow();
    about->setFocus();
}

void Shell::showInstructions()
{
    program.frmHelpIntro()->showIntroduction();
}

void Shell::openWebPage()
{
    if (!program.platform.openUrl(QUrl(webAddress())))
        program.dialogs.ask(programTitle(), tr("Site Not Found, Check your Internet Connection."),
                            Platform::Buttons::Ok);
}
