#pragma once

#include <QObject>
#include <QPointer>

class AboutWindow;
class Program;

// The menu commands that are not part of a game: Quit, About, the
// instructions and the product's web page.
class Shell : public QObject
{
    Q_OBJECT
public:
    explicit Shell(Program &program);
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
    Program &program;
    QPointer<AboutWindow> about;
};
