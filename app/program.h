#pragma once

#include <QColor>

#include <memory>

#include "setup/settings.h"
#include "entry/answerentrystate.h"
#include "game/gamesession.h"
#include "platform/platform.h"
#include "report/gamesummary.h"
#include "resources/pictures.h"

class GameFlow;
class HelpIntro;
class HistoryRecorder;
class ProgressWindow;
class MainWindow;
class Shell;
class SummaryWindows;

// Owns the program-wide records and the windows for the whole run; a test
// makes a fresh one.
class Program
{
public:
    explicit Program(Platform &platform);
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    Platform &platform;
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

    // Every message box of the program goes through here, so that the game
    // clock can tell a question is open and hold still behind it.
    Platform::Answer ask(const QString &title, const QString &text, Platform::Buttons buttons,
                         Platform::Icon icon = Platform::Icon::None);
    bool questionOpen() const { return openQuestions > 0; }
    // An OK message naming the file that could not be written and why;
    // sentence holds %1 for the file's full path.
    void tellSaveFailed(const QString &sentence, const QString &path, const QString &reason);

    // "Version " and the version, as the About window's label shows it.
    static QString versionLabel();
    static QString programTitle() { return QStringLiteral("Sumdrop"); }
    static QString webAddress() { return QStringLiteral("https://www.sumdrop.example/"); }
    static QString supportEmail() { return QStringLiteral("support@sumdrop.example"); }
    // The user option of "Fit to Screen".
    static QString zoomOption() { return QStringLiteral("fitToScreen"); }

private:
    friend std::unique_ptr<Program> startProgram(Platform &platform);
    std::unique_ptr<MainWindow> mainWindow;
    std::unique_ptr<Shell> shellCommands;
    std::unique_ptr<HelpIntro> helpIntro;
    bool skipIntroHelpAtStart = false;
    std::unique_ptr<SummaryWindows> summaryPages;
    std::unique_ptr<GameFlow> gameFlow;
    std::unique_ptr<HistoryRecorder> historyRecorder;
    std::unique_ptr<ProgressWindow> progressWindow;
    int openQuestions = 0;
};

// The entry routine: checks the display, lays out and shows the main window,
// restores the setup and returns once the program waits for events. Returns
// null when the display is too small and the program has been told to end.
std::unique_ptr<Program> startProgram(Platform &platform);
