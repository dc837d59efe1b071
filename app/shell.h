#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class AboutWindow;
class Dialogs;
class HelpIntro;
class MainWindow;
class Platform;

// The menu commands that are not part of a game: Quit, About, the
// instructions and the product's web page.
class Shell : public QObject
{
    Q_OBJECT
public:
    // help gives the introduction, made when first asked for.
    Shell(MainWindow &window, Platform &platform, Dialogs &dialogs, std::function<HelpIntro *()> help);
    ~Shell() override;

    // Saves the setup and ends the program at once; the only writer of the
    // settings file.
    void quit();
    // One About window at a time, created again after it was closed.
    void showAbout();
    void showInstructions();
    // Opens the web page without waiting; says so when no browser could be started.
    void openWebPage();

    // Null while no About window exists.
    AboutWindow *frmSplash() const;

private:
    MainWindow &window;
    Platform &platform;
    Dialogs &dialogs;
    const std::function<HelpIntro *()> help;
    QPointer<AboutWindow> about;
};
