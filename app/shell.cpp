#include "app/shell.h"

#include <QCheckBox>
#include <QUrl>

#include "help/aboutwindow.h"
#include "help/helpintro.h"
#include "app/mainwindow.h"
#include "platform/dialogs.h"
#include "platform/product.h"
#include "ui/widgets.h"
#include "setup/setuppanel.h"

Shell::Shell(MainWindow &window, Platform &platform, Dialogs &dialogs, std::function<HelpIntro *()> help)
    : window(window)
    , platform(platform)
    , dialogs(dialogs)
    , help(std::move(help))
{
    connect(window.mnuQuit, &QAction::triggered, this, &Shell::quit);
    connect(window.mnuAbout, &QAction::triggered, this, &Shell::showAbout);
    connect(window.mnuContents, &QAction::triggered, this, &Shell::showInstructions);
    connect(window.mnuWeb, &QAction::triggered, this, &Shell::openWebPage);
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
    const bool skipIntroHelp = help()->chkStartupHelp->isChecked();
    // The program ends either way; a failed save leaves the old file whole.
    QString reason;
    if (!saveSettingsFile(window.setup->collectSettings(skipIntroHelp), settingsFileName, &reason))
        dialogs.tellSaveFailed(tr("The settings could not be saved as %1."), settingsFileName, reason);
    platform.exitProgram();
}

void Shell::showAbout()
{
    if (!about) {
        about = new AboutWindow;
        connect(about, &AboutWindow::webPageRequested, this, &Shell::openWebPage);
        // The window deletes itself; forget it now so that About never shows a dying one.
        connect(about, &AboutWindow::closing, this, [this] { about = nullptr; });
        centreOver(about, &window);
    }
    about->show();
    about->raise();
    about->activateWindow();
    about->setFocus();
}

void Shell::showInstructions()
{
    help()->showIntroduction();
}

void Shell::openWebPage()
{
    if (!platform.openUrl(QUrl(webAddress())))
        dialogs.ask(programTitle(), tr("Site Not Found, Check your Internet Connection."), Platform::Buttons::Ok);
}
