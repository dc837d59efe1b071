#include "app/program.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QMenu>
#include <QGuiApplication>
#include <QAction>
#include <QLabel>

#include "app/fonts.h"
#include "app/mainwindow.h"
#include "app/shell.h"
#include "classroom/classserverdialog.h"
#include "classroom/classsync.h"
#include "entry/answerentry.h"
#include "entry/feedbackview.h"
#include "game/cardview.h"
#include "help/helpintro.h"
#include "history/historyrecorder.h"
#include "history/playerchoice.h"
#include "history/progresswindow.h"
#include "platform/printrenderer.h"
#include "platform/product.h"
#include "play/cardreader.h"
#include "play/gameboard.h"
#include "play/gameflow.h"
#include "report/summarywindows.h"
#include "setup/setuplock.h"
#include "setup/setuppanel.h"
#include "ui/widgets.h"
#include "worksheet/worksheetprinting.h"

namespace {

constexpr int minimumScreenWidth = 800;
constexpr int wideScreenWidth = 1024;

} // namespace

Program::Program(Platform &platform)
    : platform(platform)
    , dialogs(platform)
{
    // After a question in a running game the keyboard goes back to the answer boxes.
    dialogs.afterAnswer = [this] {
        if (gameFlow)
            gameFlow->entry().focusNextDigit();
    };
}

Program::~Program() = default;

HelpIntro *Program::frmHelpIntro()
{
    if (!helpIntro) {
        helpIntro = std::make_unique<HelpIntro>(mainWindow.get(), *mainWindow->setup, *mainWindow->board->keypad);
        helpIntro->chkStartupHelp->setChecked(skipIntroHelpAtStart);
    }
    return helpIntro.get();
}

void Program::resetSummary()
{
    summary.reset();
    if (summaryPages) {
        summaryPages->hideAll();
        summaryPages->setFactsWon({});
    }
    if (mainWindow)
        mainWindow->mnuPrevious->setEnabled(false);
}

void Program::enableMainWindow()
{
    if (helpIntro && helpIntro->isVisible())
        return;
    mainWindow->setEnabled(true);
}

ProgressWindow &Program::frmProgress()
{
    if (!progressWindow) {
        progressWindow = std::make_unique<ProgressWindow>(platform, dialogs, *historyRecorder, screenScale,
                                                          [this] { return mainWindow->setup->playerName(); });
        ProgressWindow *window = progressWindow.get();
        QObject::connect(gameFlow.get(), &GameFlow::gameStarted, window, &ProgressWindow::gameStarted);
        QObject::connect(gameFlow.get(), &GameFlow::gameEnded, window, &ProgressWindow::gameEnded);
        window->mayForget = [this] { return mainWindow->lock->mayChange(); };
        QObject::connect(window, &ProgressWindow::helpRequested, window,
                         [this, window] { frmHelpIntro()->openTopic(HelpTopicId::Progress, window); });
        QObject::connect(window, &ProgressWindow::printClassRequested, window,
                         [this](const ClassReport &report, const QStringList &children) {
                             SetupPanel &setup = *mainWindow->setup;
                             printClass(
                                 platform, dialogs, report, children, setup.worksheetSetup(),
                                 [this](const QString &child, const WorksheetSetup &ticked) {
                                     return gameFlow->weakFactsOf(
                                         child, functionSetFor(ticked.addition, ticked.subtraction,
                                                               ticked.multiplication, ticked.division));
                                 },
                                 printHooks());
                         });
        showClassRole();
    }
    return *progressWindow;
}

SummaryWindows &Program::summaryWindows()
{
    if (!summaryPages) {
        summaryPages = std::make_unique<SummaryWindows>(platform, dialogs, summary, session);
        QObject::connect(summaryPages.get(), &SummaryWindows::closedBetweenGames, summaryPages.get(),
                         [this] { showSetupAgain(); });
    }
    return *summaryPages;
}

void Program::showSetupAgain()
{
    MainWindow &window = *mainWindow;
    GameBoard &board = *window.board;
    if (window.setup->setupTabsWanted())
        window.setup->show();
    window.show();
    enableMainWindow();
    board.showStartFace(false);
    board.feedback->imgPrevious->hide();
    board.feedback->lblPrevious->hide();
    board.showCardCounterCaption();
    board.lblCardReport->show();
}

void Program::makeGame()
{
    MainWindow &window = *mainWindow;
    GameBoard &board = *window.board;
    SetupPanel &setup = *window.setup;
    gameFlow = std::make_unique<GameFlow>(
        GameParts{platform, dialogs, settings, session, summary, entry, pictures, screenScale, fontScale, board, setup});
    GameFlow &flow = *gameFlow;
    new CardReader(flow, platform, session, settings, *setup.chkSpeak, *board.card->imgCard, window); // owned by the flow

    // The history opens its file only with the first judged card or Progress.
    historyRecorder = std::make_unique<HistoryRecorder>(platform, dialogs, settings, session, setup);
    HistoryRecorder &recorder = *historyRecorder;
    QObject::connect(&flow, &GameFlow::gameStarted, &recorder, &HistoryRecorder::startGame);
    QObject::connect(&flow, &GameFlow::cardJudged, &recorder, &HistoryRecorder::recordCard);
    QObject::connect(&flow, &GameFlow::gameEnded, &recorder, &HistoryRecorder::endGame);
    // Kept in the per-user settings: the settings file's format is fixed.
    const QString practiseOption = QStringLiteral("practiseWeakFacts");
    setup.chkPractise->setChecked(platform.userOption(practiseOption).toBool());
    QObject::connect(setup.chkPractise, &QCheckBox::toggled, &window,
                     [this, practiseOption](bool on) { platform.setUserOption(practiseOption, on); });
    flow.setWeakFactSource(&recorder);
    flow.setFactsWonSource(&recorder);
    flow.setPlayerSource(new PlayerChoice(
        platform, [&recorder] { return recorder.children(); }, setup.txtName, &flow));

    QObject::connect(&flow, &GameFlow::summaryCleared, &window, [this] { resetSummary(); });
    QObject::connect(&flow, &GameFlow::playingChanged, &window, [&window](bool playing) {
        window.setOptionsMenuEnabled(!playing);
        window.mnuSavedGame->setEnabled(!playing);
        if (!playing)
            window.mnuPrevious->setEnabled(true);
    });
    QObject::connect(&flow, &GameFlow::mainWindowFree, &window, [this] { enableMainWindow(); });
    QObject::connect(&flow, &GameFlow::factsWonTold, &window,
                     [this](const QString &won) { summaryWindows().setFactsWon(won); });
    QObject::connect(&flow, &GameFlow::summaryWanted, &window, [this] { summaryWindows().showPage(1); });
}

void Program::connectMenus()
{
    MainWindow &window = *mainWindow;
    QObject::connect(window.mnuProgress, &QAction::triggered, &window, [this] { frmProgress().showProgress(); });
    QObject::connect(gameFlow.get(), &GameFlow::gameStarted, &window,
                     [&window] { window.mnuProgress->setEnabled(false); });
    QObject::connect(gameFlow.get(), &GameFlow::gameEnded, &window,
                     [&window] { window.mnuProgress->setEnabled(true); });
    QObject::connect(gameFlow.get(), &GameFlow::gameEnded, &window, [this] { tellClassProblems(); });
    QObject::connect(window.mnuClassServer, &QAction::triggered, &window, [this] { chooseClassServer(); });
    connectPrinting();
}

void Program::useClassServer(const QString &conninfo)
{
    MainWindow &window = *mainWindow;
    sync.reset();
    window.showClassStatus({});
    showClassRole();
    if (conninfo.isEmpty())
        return;
    HistoryRecorder &recorder = *historyRecorder;
    sync = std::make_unique<ClassSync>(
        conninfo, [&recorder] { return recorder.store(); }, [&recorder] { return recorder.gameRunning(); });
    QObject::connect(&recorder, &HistoryRecorder::recorded, sync.get(), &ClassSync::cardsRecorded);
    QObject::connect(gameFlow.get(), &GameFlow::gameEnded, sync.get(), &ClassSync::syncNow);
    QObject::connect(sync.get(), &ClassSync::statusChanged, &window, &MainWindow::showClassStatus);
    QObject::connect(sync.get(), &ClassSync::classRoleChanged, &window, [this] { showClassRole(); });
    QObject::connect(sync.get(), &ClassSync::problem, &window, [this](const QString &text) {
        classProblems.append(text);
        tellClassProblems();
    });
    // The connection is made after the window is up, never before.
    ClassSync *started = sync.get();
    afterFirstPaint(&window, [started] { started->syncNow(); });
}

void Program::showClassRole()
{
    if (!progressWindow)
        return;
    using Role = ProgressWindow::ClassRole;
    const Role role = !sync ? Role::None : sync->teacher() ? Role::Teacher : Role::Pupil;
    progressWindow->setClassRole(role, sync ? sync->classNameOnServer() : QString());
}

// A class server that cannot work is told once, and never over a card.
void Program::tellClassProblems()
{
    if (historyRecorder->gameRunning())
        return;
    while (!classProblems.isEmpty())
        dialogs.ask(programTitle(), classProblems.takeFirst(), Platform::Buttons::OkByClick, Platform::Icon::Warning);
}

void Program::chooseClassServer()
{
    if (!mainWindow->lock->mayChange())
        return;
    auto *dialog = new ClassServerDialog(platform.userOption(classServerOption()).toString(), mainWindow.get());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::accepted, mainWindow.get(), [this, dialog] {
        platform.setUserOption(classServerOption(), dialog->conninfo());
        useClassServer(dialog->conninfo());
        if (sync)
            sync->syncNow();
    });
    dialog->open();
}

WorksheetPrintHooks Program::printHooks()
{
    MainWindow &window = *mainWindow;
    SetupPanel &setup = *window.setup;
    return WorksheetPrintHooks{[&window](bool enabled) { window.setOptionsMenuEnabled(enabled); },
                               [&setup] { setup.chkAddition->setChecked(true); },
                               [this](const PrintedSheet &sheet) {
                                   HistoryStore *store = historyRecorder->store();
                                   if (!store)
                                       return MainWindow::tr("the practice history cannot be used");
                                   return store->keepSheet(sheet) ? QString() : store->error();
                               }};
}

// The worksheet commands and the printing options, kept for the user.
void Program::connectPrinting()
{
    MainWindow &window = *mainWindow;
    SetupPanel &setup = *window.setup;
    const auto hooks = [this] { return printHooks(); };
    QObject::connect(window.mnuWorksheet, &QAction::triggered, &window, [this, &setup, hooks] {
        printWorksheet(platform, dialogs, setup.worksheetSetup(), setup.playerName(), hooks());
    });
    QObject::connect(window.mnuWeakWorksheet, &QAction::triggered, &window, [this, &setup, hooks] {
        printWeakWorksheet(
            platform, dialogs, setup.worksheetSetup(), setup.playerName(),
            [this](const WorksheetSetup &ticked) {
                return gameFlow->weakFacts(
                    functionSetFor(ticked.addition, ticked.subtraction, ticked.multiplication, ticked.division));
            },
            hooks());
    });
    QObject::connect(window.mnuReprint, &QAction::triggered, &window, [this, hooks] {
        reprintWorksheet(
            platform, dialogs,
            [this](int number, QString &unavailable) -> std::optional<PrintedSheet> {
                HistoryStore *store = historyRecorder->store();
                if (!store) {
                    unavailable = MainWindow::tr("the practice history is not in use");
                    return std::nullopt;
                }
                return store->sheet(number);
            },
            hooks());
    });
    QObject::connect(window.mnuOptions, &QMenu::aboutToShow, &window, [this, &window, &setup] {
        window.mnuWeakWorksheet->setEnabled(historyRecorder->hasHistory(setup.playerName()));
    });
    const std::pair<QAction *, QString> options[] = {{window.mnuAnswerKey, answerKeyOption()},
                                                     {window.mnuPreview, printPreviewOption()}};
    for (const auto &[action, name] : options) {
        const QString key = name; // clang 14 cannot capture a structured binding
        action->setCheckable(true);
        action->setChecked(platform.userOption(key).toBool());
        QObject::connect(action, &QAction::toggled, &window, [this, key](bool on) { platform.setUserOption(key, on); });
    }
}

std::unique_ptr<Program> startProgram(Platform &platform, const QString &classServer)
{
    installFontSubstitutes();
    auto program = std::make_unique<Program>(platform);
    program->screenScale = 0;
    program->session.state = 0;
    program->entry.idleEntryColour = QColor(0, 0, 255);

    const int width = platform.screenSize().width();
    if (width < minimumScreenWidth) {
        program->dialogs.ask(programTitle(),
                     QCoreApplication::translate("Program", "Minimum display size is 800 x 600. Reset display properties an "
                                    "restart the program."),
                     Platform::Buttons::Ok);
        platform.exitProgram();
        return nullptr;
    }
    const bool wide = width >= wideScreenWidth;
    program->screenScale = wide ? 1.0 : 0.78;
    program->fontScale = wide ? 0.78 : 0.61;
    const bool zoomed = platform.userOption(MainWindow::zoomOption()).toBool();
    program->pictures = PictureSet::load(!wide, zoomed);

    program->mainWindow = std::make_unique<MainWindow>(platform, program->dialogs, program->settings, program->session,
                                                       program->pictures, program->screenScale);
    MainWindow &window = *program->mainWindow;
    window.setWindowTitle(QStringLiteral("Sumdrop ") + versionLabel());
    // Only the icon drawn for this screen's density, and only once the window
    // is up: decoding it is a good part of the start-up.
    afterFirstPaint(&window, [&window] {
        window.setWindowIcon(QIcon(loadPicture(PictureId::AppIcon, PictureKind::Bitmap, qGuiApp->devicePixelRatio())));
    });
    window.layOut();
    window.mnuZoom->setChecked(zoomed);
    window.setZoomed(zoomed);
    program->makeGame();
    program->connectMenus();
    window.show();
    program->shellCommands = std::make_unique<Shell>(window, platform, program->dialogs,
                                                     [owner = program.get()] { return owner->frmHelpIntro(); });

    const SettingsRecord settings = loadSettingsFile();
    window.setup->applySettings(settings);
    window.board->lblCardReport->show();
    program->resetSummary();
    program->summaryWindows().attachMenu(window.mnuPrevious, window.lock->guarded(window.mnuSavedGame));

    // The introduction is made only when it is first needed; its check box
    // starts from the settings file either way.
    program->skipIntroHelpAtStart = settings.skipIntroHelp;
    if (!settings.skipIntroHelp)
        program->frmHelpIntro()->showIntroduction();
    program->useClassServer(
        classServer.isEmpty() ? platform.userOption(Program::classServerOption()).toString().trimmed() : classServer);
    return program;
}
