// Random clicks, keys, menu commands and clock ticks on the whole program,
// seeded so that any failure can be replayed. After every event the game's
// books must balance and no window may take input it should not.
//
// SUMDROP_STRESS_SEED and SUMDROP_STRESS_EVENTS choose the run;
// SUMDROP_STRESS_TRACE=1 prints every event as it happens.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <mutex>
#include <optional>
#include <random>
#include <thread>
#include <tuple>

#include "help/helpintro.h"
#include "help/helptopic.h"
#include "report/gamesummary.h"
#include "gamedriver.h"

namespace {

using namespace std::chrono_literals;

constexpr auto slowEvent = 5s;
constexpr auto hungEvent = 30s;

// A hang never returns to the loop that would report it, so a second thread
// ends the run with the seed and the event that hung.
class Watchdog
{
public:
    explicit Watchdog(quint32 seed)
        : seed(seed)
        , thread([this] { watch(); })
    {
    }
    ~Watchdog()
    {
        {
            std::lock_guard lock(mutex);
            stopping = true;
        }
        wake.notify_one();
        thread.join();
    }
    void begin(int event)
    {
        std::lock_guard lock(mutex);
        current = event;
        started = std::chrono::steady_clock::now();
    }

private:
    void watch()
    {
        std::unique_lock lock(mutex);
        while (!wake.wait_for(lock, 250ms, [this] { return stopping; })) {
            if (current >= 0 && std::chrono::steady_clock::now() - started > hungEvent) {
                std::fprintf(stderr, "stress seed %u: event %d hangs\n", seed, current);
                std::abort();
            }
        }
    }

    const quint32 seed;
    std::mutex mutex;
    std::condition_variable wake;
    bool stopping = false;
    int current = -1;
    std::chrono::steady_clock::time_point started;
    std::thread thread;
};

// The numbers the game may not change while it runs.
auto frozenSettings(const GameSettings &s)
{
    return std::tuple(s.cardCount, s.topMin, s.topMax, s.bottomMin, s.bottomMax, s.divisorLow, s.divisorHigh,
                      s.topLimit, s.bottomLimit, s.advancedRange, s.cardTimeLimit, s.gameTimeLimit);
}

QString nameOf(const QObject *object)
{
    return object->objectName().isEmpty() ? QString::fromLatin1(object->metaObject()->className())
                                           : object->objectName();
}

bool isHelpWindow(const QWidget *window)
{
    return qobject_cast<const HelpIntro *>(window) || qobject_cast<const HelpTopic *>(window);
}

// Windows in a fixed order, so that a seed replays the same run. The zoomed
// main window's design is a window only inside the main window's view.
QList<QWidget *> shownWindows(bool enabledOnly)
{
    QList<QWidget *> windows;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && (!enabledOnly || window->isEnabled()) && !qobject_cast<QMenu *>(window) &&
            !window->graphicsProxyWidget())
            windows.append(window);
    }
    std::sort(windows.begin(), windows.end(), [](const QWidget *a, const QWidget *b) {
        return std::pair(nameOf(a), a->windowTitle()) < std::pair(nameOf(b), b->windowTitle());
    });
    return windows;
}

// Files a user may pick in the open dialog besides the reports saved by the run.
const QList<QPair<QString, QByteArray>> garbageFiles = {
    {QStringLiteral("empty.txt"), QByteArray()},
    {QStringLiteral("mark-only.txt"), QByteArrayLiteral("-sdr-\r\n")},
    {QStringLiteral("not-a-report.txt"), QByteArrayLiteral("sdr,\"hello\"\r\n1,2,3\r\n")},
    {QStringLiteral("cut-short.txt"), QByteArrayLiteral("-sdr-,\"   Date: 1/2/2026\"\r\n\"3 + 4 = 7\",\"7\",\"0:")},
    {QStringLiteral("odd-fields.txt"), QByteArrayLiteral("-sdr-,,,,\r\n,,,,,,,,\r\n\"\r\n\"\"\",x\r\n\0\0,\r\r\n")},
    {QStringLiteral("too-many-rows.txt"),
     QByteArrayLiteral("-sdr-,\"r\"\r\n") + QByteArrayLiteral("\"1 + 1 = 2\",\"3\",\"0:1\",255,0\r\n").repeated(150)},
    {QStringLiteral("long-field.txt"), QByteArrayLiteral("-sdr-,\"") + QByteArray(1 << 20, 'x')},
};

class StressRun
{
public:
    StressRun(quint32 seed, bool trace)
        : engine(seed)
        , trace(trace)
        , watchdog(seed)
    {
        entered = dir.enter();
        for (const auto &[name, bytes] : garbageFiles) {
            QFile file(dir.filePath(name));
            if (file.open(QIODevice::WriteOnly))
                file.write(bytes);
        }
        QFile binary(dir.filePath(QStringLiteral("binary.txt")));
        if (binary.open(QIODevice::WriteOnly)) {
            for (int i = 0; i < 4096; ++i)
                binary.putChar(char(below(256)));
        }
    }

    ~StressRun() { endLife(); }

    // Empty when every event kept the rules; else the broken rule and the
    // events that led to it.
    QString run(int events)
    {
        if (!entered)
            return QStringLiteral("no working folder");
        for (int event = 0; event < events; ++event) {
            if (!program || platform->exitCount > 0 || event >= lifeEnds) {
                const QString leftOver = endLife();
                if (!leftOver.isEmpty())
                    return failure(event, leftOver);
                startLife(event);
            }
            prepareAnswers();
            watchdog.begin(event);
            QElapsedTimer timer;
            timer.start();
            const QString done = playOne();
            QCoreApplication::processEvents();
            remember(done);
            if (std::chrono::nanoseconds(timer.nsecsElapsed()) > slowEvent)
                return failure(event, QStringLiteral("the event took %1 ms").arg(timer.elapsed()));
            const QString broken = brokenRule();
            if (!broken.isEmpty())
                return failure(event, broken);
            count();
        }
        watchdog.begin(-1);
        return {};
    }

    // Whether the run reached deep into games: the seeded runs play several
    // times these, so a game that cannot start or judge a card shows.
    bool playedGames(int events) const
    {
        return gamesBegun >= events / 300 && gamesEnded >= events / 300 && cardsJudged >= events / 100;
    }

    // What the run did.
    QString statistics() const
    {
        return QStringLiteral("%1 program starts, %2 games begun, %3 ended, %4 cards judged")
            .arg(starts)
            .arg(gamesBegun)
            .arg(gamesEnded)
            .arg(cardsJudged);
    }

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine); }
    bool chance(double p) { return std::bernoulli_distribution(p)(engine); }
    template<typename T>
    T pickFrom(const QList<T> &list) { return list.at(below(int(list.size()))); }

    MainWindow &mainWindow() const { return *program->frmProgram(); }

    // A new start of the program: after Quit it reads the settings Quit wrote,
    // otherwise a random setup, sometimes a damaged file.
    void startLife(int event)
    {
        const bool afterQuit = platform && platform->exitCount > 0;
        platform = std::make_unique<FakePlatform>();
        platform->queuedRandom.source = [this] { return std::uniform_real_distribution<double>(0, 1)(engine); };
        platform->duringMessage = [this](const FakePlatform::Message &message) { answerMessage(message); };
        platform->screen = pickFrom<QSize>({{800, 600}, {1023, 768}, {1024, 600}, {1280, 1024}});
        if (!afterQuit)
            writeSettings();
        program = startProgram(*platform);
        lifeEnds = event + 100 + below(900);
        gameSettings.reset();
        lastState = 0;
        ++starts;
        // Ticks come from the run, never from the wall clock.
        mainWindow().board->Timer1->blockSignals(true);
        mainWindow().activateWindow();
        QCoreApplication::processEvents();
        remember(QStringLiteral("start at %1 x %2").arg(platform->screen.width()).arg(platform->screen.height()));
    }

    QString endLife()
    {
        program.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const QList<QWidget *> left = shownWindows(false);
        return left.isEmpty() ? QString() : nameOf(left.first()) + QStringLiteral(" outlived the program");
    }

    void writeSettings()
    {
        if (chance(0.1)) {
            QFile file(settingsFileName);
            if (file.open(QIODevice::WriteOnly)) {
                for (int line = below(30); line > 0; --line)
                    file.write(QByteArray::number(below(400) - 100) + (chance(0.9) ? "\r\n" : ",x\n"));
            }
            return;
        }
        SettingsRecord s;
        s.cardCount = chance(0.8) ? 10 + below(6) : 10 + below(91);
        for (bool SettingsRecord::*option :
             {&SettingsRecord::useAddition, &SettingsRecord::useSubtraction, &SettingsRecord::useMultiplication,
              &SettingsRecord::useDivision, &SettingsRecord::timerOn, &SettingsRecord::soundsOn,
              &SettingsRecord::showSummary, &SettingsRecord::showCardCount, &SettingsRecord::showPreviousCard,
              &SettingsRecord::showCarryBoxes, &SettingsRecord::advancedRange, &SettingsRecord::highlightEntry})
            s.*option = chance(0.5);
        // Mostly typed answers, the way most games are played.
        s.verbalMode = chance(0.3);
        s.useKeypad = chance(0.3);
        s.skipIntroHelp = chance(0.7);
        for (int SettingsRecord::*number : {&SettingsRecord::topMin, &SettingsRecord::topMax, &SettingsRecord::bottomMin,
                                            &SettingsRecord::bottomMax, &SettingsRecord::topLimit,
                                            &SettingsRecord::bottomLimit})
            s.*number = 1 + below(99);
        s.divisorLow = 1 + below(12);
        s.divisorHigh = 1 + below(12);
        s.answerFormat = qint16(below(4)); // only 1 and 2 mean anything
        saveSettingsFile(s);
    }

    // What the dialogs of the next event will answer.
    void prepareAnswers()
    {
        platform->fileNames.clear();
        const QStringList names = {
            QString(), // Cancel
            dir.filePath(QStringLiteral("report%1.txt").arg(below(4))),
            dir.filePath(pickFrom(garbageFiles).first),
            dir.filePath(QStringLiteral("binary.txt")),
            dir.filePath(QStringLiteral("no-such-folder/report.txt")),
            dir.path(),
            dir.filePath(settingsFileName),
        };
        for (int n = below(3); n > 0; --n)
            platform->fileNames.push_back(pickFrom(names));
        platform->printAccepted = chance(0.7);
        platform->browserWorks = chance(0.5);
    }

    // A message box is up: its answer, and the clock that goes on ticking behind it.
    void answerMessage(const FakePlatform::Message &message)
    {
        switch (message.buttons) {
        case Platform::Buttons::Ok:
        case Platform::Buttons::OkByClick: platform->answers.push_front(Platform::Answer::Ok); break;
        case Platform::Buttons::OkCancel:
            platform->answers.push_front(chance(0.5) ? Platform::Answer::Ok : Platform::Answer::Cancel);
            break;
        case Platform::Buttons::YesNo:
        case Platform::Buttons::YesNoByClick:
            platform->answers.push_front(chance(0.5) ? Platform::Answer::Yes : Platform::Answer::No);
            break;
        }
        if (chance(0.3))
            tick();
    }

    void tick()
    {
        if (mainWindow().board->Timer1->isActive())
            program->game().timers().timerTick();
    }

    QString playOne()
    {
        const int roll = below(100);
        if (roll < 35)
            return clickSomething();
        if (roll < 63)
            return typeKey();
        if (roll < 73) {
            const int ticks = chance(0.8) ? 1 : 1 + below(90);
            for (int i = 0; i < ticks; ++i)
                tick();
            return QStringLiteral("%1 ticks").arg(ticks);
        }
        if (roll < 80)
            return triggerMenuCommand();
        if (roll < 92)
            return giveRightAnswer();
        if (roll < 96) {
            // Stop, too, but seldom, so that games get deep.
            if (program->session.state == 1 && chance(0.75))
                return giveRightAnswer();
            if (!mainWindow().isEnabled() || !mainWindow().board->cmdStart->isVisible())
                return QStringLiteral("Start out of reach");
            QTest::mouseClick(mainWindow().board->cmdStart, Qt::LeftButton);
            return QStringLiteral("click cmdStart");
        }
        return closeWindow();
    }

    // A click at a random point of a random control, received by whatever
    // is on top there, as a real click would be.
    QString clickSomething()
    {
        const QList<QWidget *> windows = shownWindows(true);
        if (windows.isEmpty())
            return QStringLiteral("no window to click");
        QWidget *window = pickFrom(windows);
        QList<QWidget *> targets{window};
        for (QWidget *child : window->findChildren<QWidget *>()) {
            if (child->isVisible() && child->isEnabled() && !qobject_cast<QMenuBar *>(child) && !child->isWindow())
                targets.append(child);
        }
        QWidget *aimed = pickFrom(targets);
        const QPoint point = aimed->mapTo(window, QPoint(below(qMax(1, aimed->width())),
                                                          below(qMax(1, aimed->height()))));
        QWidget *receiver = window->childAt(point);
        if (!receiver)
            receiver = window;
        if (!receiver->isEnabled() || qobject_cast<QMenuBar *>(receiver))
            return QStringLiteral("click on disabled ") + nameOf(receiver);
        window->activateWindow();
        QTest::mouseClick(receiver, Qt::LeftButton, {}, receiver->mapFrom(window, point));
        return QStringLiteral("click %1 in %2").arg(nameOf(receiver), nameOf(window));
    }

    // The control that receives typed keys, if it can take them.
    static QWidget *keyReceiver()
    {
        QWidget *receiver = QApplication::focusWidget();
        if (!receiver)
            receiver = QApplication::activeWindow();
        return receiver && receiver->isVisible() && receiver->isEnabled() ? receiver : nullptr;
    }

    QString typeKey()
    {
        QWidget *receiver = keyReceiver();
        if (!receiver)
            return QStringLiteral("no control to type into");
        static const QList<Qt::Key> keys = {
            Qt::Key_Return, Qt::Key_Enter, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Tab,
            Qt::Key_Backtab, Qt::Key_Escape, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,
            Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End,
            Qt::Key_Space, Qt::Key_A, Qt::Key_Z, Qt::Key_Minus, Qt::Key_Period};
        const QString name = nameOf(receiver);
        if (chance(0.5)) {
            const char digit = char('0' + below(10));
            QTest::keyClick(receiver, digit);
            return QStringLiteral("key %1 into %2").arg(QChar::fromLatin1(digit)).arg(name);
        }
        const Qt::Key key = pickFrom(keys);
        QTest::keyClick(receiver, key);
        return QStringLiteral("key 0x%1 into %2").arg(int(key), 0, 16).arg(name);
    }

    // The right answer given the way the card asks for it: RIGHT in a
    // supervised game, the keypad's keys, or typed where the focus is (units
    // first in the digit boxes); without it few cards would ever be right.
    QString giveRightAnswer()
    {
        const GameSession &session = program->session;
        MainWindow &window = mainWindow();
        if (session.state != 1 || !window.isEnabled())
            return QStringLiteral("nothing to answer");
        if (window.board->answers->imgEnter->isVisible()) {
            QTest::mouseClick(window.board->answers->imgEnter, Qt::LeftButton);
            return QStringLiteral("RIGHT");
        }
        const QString digits = QString::number(qint64(session.answer));
        const bool keypad = window.board->keypad->isVisible() && !qobject_cast<QLineEdit *>(keyReceiver());
        for (qsizetype i = 0; i < digits.size(); ++i) {
            const QChar digit = digits.at(session.entryMode == 1 ? i : digits.size() - 1 - i);
            if (keypad)
                QTest::mouseClick(window.board->keypad->key[digit.digitValue()], Qt::LeftButton);
            else if (QWidget *receiver = keyReceiver())
                QTest::keyClick(receiver, digit.toLatin1());
        }
        if (keypad)
            QTest::mouseClick(window.board->keypad->keyEnter, Qt::LeftButton);
        else if (QWidget *receiver = keyReceiver())
            QTest::keyClick(receiver, Qt::Key_Return);
        return QStringLiteral("answer %1%2").arg(digits, keypad ? QStringLiteral(" on the keypad") : QString());
    }

    // Commands of the menu bar, as a user can reach them.
    QString triggerMenuCommand()
    {
        MainWindow &window = mainWindow();
        QList<QAction *> commands;
        if (window.isEnabled()) {
            for (QMenu *menu : {window.mnuFile, window.mnuOptions, window.mnuHelp}) {
                if (!menu->isEnabled() || !menu->menuAction()->isEnabled())
                    continue;
                for (QAction *action : menu->actions()) {
                    if (action->isVisible() && action->isEnabled() && !action->isSeparator() && !action->menu())
                        commands.append(action);
                }
            }
        }
        if (commands.isEmpty())
            return QStringLiteral("no menu command");
        QAction *command = pickFrom(commands);
        // Quit ends the program; keep the runs long.
        if (command == window.mnuQuit && chance(0.8))
            return QStringLiteral("not Quit");
        command->trigger();
        return QStringLiteral("menu ") + nameOf(command);
    }

    // The close box of a window that takes input.
    QString closeWindow()
    {
        const QList<QWidget *> windows = shownWindows(true);
        if (windows.isEmpty())
            return QStringLiteral("no window to close");
        QWidget *window = pickFrom(windows);
        // Closing the main window ends the program; keep the runs long.
        if (window == program->frmProgram() && chance(0.8))
            return QStringLiteral("kept frmProgram open");
        const QString name = nameOf(window);
        window->close();
        return QStringLiteral("close ") + name;
    }

    QString brokenRule()
    {
        const GameSession &session = program->session;
        MainWindow &window = mainWindow();
        if (session.state == 1) {
            const int cards = program->settings.cardCount;
            const int judged = session.cardNumber - 1;
            if (session.cardNumber < 1 || session.cardNumber > cards + 1)
                return QStringLiteral("card %1 in a game of %2").arg(session.cardNumber).arg(cards);
            if (session.rightCount > judged)
                return QStringLiteral("%1 right after %2 cards").arg(session.rightCount).arg(judged);
            if (program->summary.shownRowCount() != judged)
                return QStringLiteral("%1 summary rows after %2 cards").arg(program->summary.shownRowCount()).arg(judged);
            const QString counter = QStringLiteral("Card %1 of %2").arg(session.cardNumber).arg(cards);
            if (window.board->lblCardReport->text() != counter)
                return QStringLiteral("the counter reads %1 on card %2").arg(window.board->lblCardReport->text(), counter);
            if (window.mnuOptions->isEnabled())
                return QStringLiteral("the Options menu is usable during a game");
            if (!gameSettings)
                gameSettings = frozenSettings(program->settings);
            else if (*gameSettings != frozenSettings(program->settings))
                return QStringLiteral("the setup changed during a game");
        } else if (session.state == 0) {
            gameSettings.reset();
        } else {
            return QStringLiteral("game state %1").arg(session.state);
        }

        bool helpShown = false;
        for (QWidget *shown : shownWindows(false)) {
            // The Progress window's own help stands beside the main window.
            helpShown = helpShown || (isHelpWindow(shown) && shown->objectName() != QStringLiteral("frmHelpProgress"));
            if (qobject_cast<HelpTopic *>(shown) && program->frmHelpIntro()->isEnabled())
                return QStringLiteral("the introduction takes input behind ") + nameOf(shown);
        }
        if (helpShown && window.isEnabled())
            return QStringLiteral("the main window takes input while help is shown");
        if (!helpShown && !window.isEnabled())
            return QStringLiteral("the main window stays disabled with no help shown");
        return {};
    }

    void count()
    {
        const GameSession &session = program->session;
        if (session.state == 1 && lastState == 0) {
            ++gamesBegun;
            judgedInGame = 0;
        }
        if (session.state == 1 || lastState == 1) {
            cardsJudged += session.cardNumber - 1 - judgedInGame;
            judgedInGame = session.cardNumber - 1;
        }
        if (session.state == 0 && lastState == 1)
            ++gamesEnded;
        lastState = session.state;
    }

    void remember(const QString &what)
    {
        if (trace)
            std::fprintf(stderr, "%s  [state %d, card %d]\n", qPrintable(what), int(program->session.state),
                         int(program->session.cardNumber));
        recent.push_back(what);
        if (recent.size() > 12)
            recent.pop_front();
    }

    QString failure(int event, const QString &broken) const
    {
        QString text = QStringLiteral("event %1: %2\nlast events:").arg(event).arg(broken);
        for (const QString &what : recent)
            text += QStringLiteral("\n  ") + what;
        return text;
    }

    std::mt19937 engine;
    const bool trace;
    TestFolder dir;
    bool entered = false;
    std::unique_ptr<FakePlatform> platform;
    std::unique_ptr<Program> program;
    int lifeEnds = 0;
    std::optional<decltype(frozenSettings(GameSettings()))> gameSettings;
    std::deque<QString> recent;
    int starts = 0;
    int gamesBegun = 0;
    int gamesEnded = 0;
    int cardsJudged = 0;
    int judgedInGame = 0;
    int lastState = 0;
    Watchdog watchdog;
};

int environmentNumber(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariable(name).toInt(&ok);
    return ok ? value : fallback;
}

} // namespace

class StressTest : public QObject
{
    Q_OBJECT

private slots:
    // The offscreen platform warns on every raise() and window sizing;
    // thousands of windows shown would bury the report.
    void initTestCase()
    {
        static QtMessageHandler report = nullptr;
        report = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &text) {
            if (!text.startsWith(QLatin1String("This plugin does not support")))
                report(type, context, text);
        });
    }

    void randomEvents_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("events");
        QTest::newRow("chosen run") << quint32(environmentNumber("SUMDROP_STRESS_SEED", 20261208))
                                    << environmentNumber("SUMDROP_STRESS_EVENTS", 3000);
        // Seeds that once failed, run up to just past their failing event.
        QTest::newRow("summary Close while the help is up") << quint32(8) << 2200;
        QTest::newRow("game time out while the help is up") << quint32(12) << 650;
    }

    void randomEvents()
    {
        QFETCH(quint32, seed);
        QFETCH(int, events);
        StressRun run(seed, qEnvironmentVariableIntValue("SUMDROP_STRESS_TRACE") != 0);
        const QString failure = run.run(events);
        QVERIFY2(failure.isEmpty(), qPrintable(QStringLiteral("seed %1, ").arg(seed) + failure));
        qInfo("seed %u, %d events: %s", seed, events, qPrintable(run.statistics()));
        QVERIFY2(run.playedGames(events), qPrintable(run.statistics()));
    }
};

QTEST_MAIN(StressTest)
#include "tst_stress.moc"
