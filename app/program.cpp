#include "app/program.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QAction>
#include <QLabel>

#include "app/fonts.h"
#include "help/helpintro.h"
#include "app/mainwindow.h"
#include "app/setuplock.h"
#include "app/shell.h"
#include "ui/widgets.h"
#include "entry/answerentry.h"
#include "play/gameflow.h"
#include "play/cardreader.h"
#include "history/historyrecorder.h"
#include "history/playerchoice.h"
#include "history/progresswindow.h"
#include "report/summarywindows.h"
#include "setup/setuppanel.h"
#include "version.h"

namespace {

constexpr int minimumScreenWidth = 800;
constexpr int wideScreenWidth = 1024;

} // namespace

Program::Program(Platform &platform)
    : platform(platform)
{
}

Program::~Program() = default;

HelpIntro *Program::frmHelpIntro()
{
    if (!helpIntro) {
        helpIntro = std::make_unique<HelpIntro>(mainWindow.get());
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
        progressWindow = std::make_unique<ProgressWindow>(*this, *historyRecorder);
        ProgressWindow *window = progressWindow.get();
        window->mayForget = [this] { return mainWindow->lock->mayChange(); };
        QObject::connect(window, &ProgressWindow::helpRequested, window,
                         [this, window] { frmHelpIntro()->openTopic(HelpTopicId::Progress, window); });
    }
    return *progressWindow;
}

SummaryWindows &Program::summaryWindows()
{
    if (!summaryPages)
        summaryPages = std::make_unique<SummaryWindows>(*this);
    return *summaryPages;
}

Platform::Answer Program::ask(const QString &title, const QString &text, Platform::Buttons buttons,
                              Platform::Icon icon)
{
    ++openQuestions;
    const Platform::Answer answer = platform.messageBox(title, text, buttons, icon);
    --openQuestions;
    if (gameFlow)
        gameFlow->entry().focusNextDigit();
    return answer;
}

void Program::tellSaveFailed(const QString &sentence, const QString &path, const QString &reason)
{
    const QString fullPath = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    ask(programTitle(), sentence.arg(fullPath) + QStringLiteral("\n") + reason, Platform::Buttons::Ok,
        Platform::Icon::Warning);
}

QString Program::versionLabel()
{
    return QCoreApplication::translate("Program", "Version ") + QLatin1String(sumdropVersion);
}

std::unique_ptr<Program> startProgram(Platform &platform)
{
    installFontSubstitutes();
    auto program = std::make_unique<Program>(platform);
    program->screenScale = 0;
    program->session.state = 0;
    program->entry.idleEntryColour = QColor(0, 0, 255);

    const int width = platform.screenSize().width();
    if (width < minimumScreenWidth) {
        program->ask(Program::programTitle(),
                     QCoreApplication::translate("Program", "Minimum display size is 800 x 600. Reset display properties an "
                                    "restart the program."),
                     Platform::Buttons::Ok);
        platform.exitProgram();
        return nullptr;
    }
    const bool wide = width >= wideScreenWidth;
    program->screenScale = wide ? 1.0 : 0.78;
    program->fontScale = wide ? 0.78 : 0.61;
    const bool zoomed = platform.userOption(Program::zoomOption()).toBool();
    program->pictures = PictureSet::load(!wide, zoomed);

    program->mainWindow = std::make_unique<MainWindow>(*program);
    MainWindow &window = *program->mainWindow;
    window.setWindowTitle(QStringLiteral("Sumdrop ") + Program::versionLabel());
    // Only the icon drawn for this screen's density, and only once the window
    // is up: decoding it is a good part of the start-up.
    afterFirstPaint(&window, [&window] {
        window.setWindowIcon(QIcon(loadPicture(PictureId::AppIcon, PictureKind::Bitmap, qGuiApp->devicePixelRatio())));
    });
    window.layOut();
    window.mnuZoom->setChecked(zoomed);
    window.setZoomed(zoomed);
    program->gameFlow = std::make_unique<GameFlow>(*program);
    new CardReader(*program, *program->gameFlow); // owned by the game flow
    // The history opens its file only with the first judged card or Progress.
    program->historyRecorder = std::make_unique<HistoryRecorder>(*program, *program->gameFlow);
    HistoryRecorder &recorder = *program->historyRecorder;
    program->gameFlow->setPlayerSource(new PlayerChoice(
        platform, [&recorder] { return recorder.children(); }, window.setup->txtName, program->gameFlow.get()));
    Program *owner = program.get();
    QObject::connect(window.mnuProgress, &QAction::triggered, &window, [owner] { owner->frmProgress().showProgress(); });
    QObject::connect(program->gameFlow.get(), &GameFlow::gameStarted, &window,
                     [&window] { window.mnuProgress->setEnabled(false); });
    QObject::connect(program->gameFlow.get(), &GameFlow::gameEnded, &window,
                     [&window] { window.mnuProgress->setEnabled(true); });
    window.show();
    program->shellCommands = std::make_unique<Shell>(*program);

    const SettingsRecord settings = loadSettingsFile();
    window.setup->applySettings(settings);
    window.lblCardReport->show();
    program->resetSummary();
    program->summaryWindows().attachMenu(window.mnuPrevious, window.lock->guarded(window.mnuSavedGame));

    // The introduction is made only when it is first needed; its check box
    // starts from the settings file either way.
    program->skipIntroHelpAtStart = settings.skipIntroHelp;
    if (!settings.skipIntroHelp)
        program->frmHelpIntro()->showIntroduction();
    return program;
}
