#pragma once

#include <QColor>

#include <memory>

#include "entry/answerentrystate.h"
#include "game/gamesession.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "report/gamesummary.h"
#include "resources/pictures.h"
#include "setup/settings.h"
#include "worksheet/worksheetprinting.h"

class GameFlow;
class HelpIntro;
class HistoryRecorder;
class ProgressWindow;
class MainWindow;
class Shell;
class SummaryWindows;
class ClassSync;

// The composition root: owns the program-wide records and the windows for the
// whole run, makes every feature and connects them. A test makes a fresh one.
class Program
{
public:
    explicit Program(Platform &platform);
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    Platform &platform;
    Dialogs dialogs;
    GameSettings settings;
    GameSession session;
    GameSummary summary;
    double screenScale = 0;
    double fontScale = 0;
    AnswerEntryState entry;
    PictureSet pictures;

    MainWindow *frmProgram() const { return mainWindow.get(); }
    HelpIntro *frmHelpIntro();
    Shell &shell() { return *shellCommands; }
    SummaryWindows &summaryWindows();
    // A new summary: every row hidden and "View Previous Game Summary" off.
    void resetSummary();
    // Enables the main window, unless the help keeps it disabled until the
    // introduction's own Close.
    void enableMainWindow();
    GameFlow &game() { return *gameFlow; }
    HistoryRecorder &history() { return *historyRecorder; }
    // frmProgress, made when first opened.
    ProgressWindow &frmProgress();
    // Null without a class server.
    ClassSync *classSync() { return sync.get(); }
    // Shares the practice with the class server conninfo from now on; an
    // empty one shares nothing.
    void useClassServer(const QString &conninfo);
    // The user option naming the class server, also read system-wide.
    static QString classServerOption() { return QStringLiteral("classServer"); }

private:
    friend std::unique_ptr<Program> startProgram(Platform &platform, const QString &classServer);
    std::unique_ptr<MainWindow> mainWindow;
    std::unique_ptr<Shell> shellCommands;
    std::unique_ptr<HelpIntro> helpIntro;
    bool skipIntroHelpAtStart = false;
    std::unique_ptr<SummaryWindows> summaryPages;
    std::unique_ptr<GameFlow> gameFlow;
    std::unique_ptr<HistoryRecorder> historyRecorder;
    std::unique_ptr<ProgressWindow> progressWindow;
    std::unique_ptr<ClassSync> sync;
    QStringList classProblems; // told between games, once each
    void tellClassProblems();
    void chooseClassServer();

    void makeGame();
    void connectMenus();
    void connectPrinting();
    // What worksheet printing needs of the main window, the setup and the history.
    WorksheetPrintHooks printHooks();
    // What the class server lets the Progress window show.
    void showClassRole();
    // Back to the setup after a summary page closed between games.
    void showSetupAgain();
};

// The entry routine: checks the display, lays out and shows the main window,
// restores the setup and returns once the program waits for events. Returns
// null when the display is too small and the program has been told to end.
// classServer, when given, is the class server of this run, before the one the
// classServer option names.
std::unique_ptr<Program> startProgram(Platform &platform, const QString &classServer = {});
