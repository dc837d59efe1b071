// The game's own speed, in process and offscreen: the time from Enter on a
// card to the next card dealt and laid out, and a whole 100-card game typed
// through the real widgets with the sounds off. Games alternate with the
// practice history writing each card and with its recorder disconnected;
// then games sharing their cards with a class server that answers, and with
// one that takes the connection and never says a word.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

#include "benchtable.h"

#include "app/mainwindow.h"
#include "play/gameboard.h"
#include "app/program.h"
#include "entry/answerarea.h"
#include "fakes/fakeplatform.h"
#include "play/gameflow.h"
#include "fakes/pgserver.h"
#include "history/historyrecorder.h"

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

SettingsRecord benchSetup()
{
    SettingsRecord setup;
    setup.cardCount = 100;
    setup.useAddition = setup.useSubtraction = setup.useMultiplication = setup.useDivision = true;
    setup.topLimit = 99;
    setup.bottomLimit = 99;
    setup.divisorLow = 2;
    setup.divisorHigh = 9;
    setup.answerFormat = 1;
    setup.showCardCount = true;
    setup.showPreviousCard = true;
    setup.highlightEntry = true;
    setup.skipIntroHelp = true;
    return setup;
}

struct EnterTime
{
    double dealt;   // judged, next card dealt and laid out
    double painted; // and drawn on the screen
};

// Types the card's answer as a child would, and times Enter.
EnterTime answerCard(Program &program)
{
    MainWindow &window = *program.frmProgram();
    const QString digits = QString::number(qint64(program.session.answer));
    QWidget *box = window.focusWidget();
    if (program.session.entryMode == 1) {
        box = window.board->answers->txtAnswerSingle;
        QTest::keyClicks(box, digits);
    } else {
        for (qsizetype i = digits.size() - 1; i >= 0; --i) {
            QTest::keyClick(box, digits.at(i).toLatin1());
            box = window.focusWidget();
        }
    }
    QElapsedTimer timer;
    timer.start();
    QTest::keyClick(box, Qt::Key_Return);
    const double dealt = double(timer.nsecsElapsed()) / 1e6;
    QCoreApplication::processEvents();
    return {dealt, double(timer.nsecsElapsed()) / 1e6};
}

struct GameTimes
{
    std::vector<double> dealt;
    std::vector<double> painted;
    double seconds = 0;
};

// One 100-card game typed through; false when it did not end as a game of
// 100 right answers.
bool playGame(std::mt19937 &engine, const QVariantMap &options, bool recorded, GameTimes &times)
{
    FakePlatform platform;
    platform.options = options;
    for (int i = 0; i < 2000; ++i)
        platform.queuedRandom.values.push_back(std::uniform_real_distribution<double>(0, 1)(engine));
    auto program = startProgram(platform);
    if (!program)
        return false;
    if (!recorded)
        QObject::disconnect(&program->game(), nullptr, &program->history(), nullptr);
    QElapsedTimer whole;
    whole.start();
    QTest::mouseClick(program->frmProgram()->board->cmdStart, Qt::LeftButton);
    while (program->session.state == 1) {
        const EnterTime time = answerCard(*program);
        if (program->session.state == 1) {
            times.dealt.push_back(time.dealt);
            times.painted.push_back(time.painted);
        }
    }
    times.seconds = double(whole.nsecsElapsed()) / 1e9;
    // A recorded game also tells the facts it won.
    const bool right = platform.messages.size() == 1
        && platform.messages[0].text.startsWith(QStringLiteral("You got 100 right out of 100. That's a score of 100%"));
    for (const auto &message : platform.messages)
        if (!right)
            std::fprintf(stderr, "unexpected message: %s\n", qPrintable(message.text));
    return right;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dir;
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toLocal8Bit());
    QApplication application(argc, argv);
    QDir::setCurrent(dir.path());
    saveSettingsFile(benchSetup());

    constexpr int games = 7;
    GameTimes recorded;
    GameTimes unrecorded;
    std::vector<double> gameTimes;
    std::mt19937 engine(20261208);
    for (int game = 0; game < 2 * games; ++game) {
        GameTimes times;
        if (!playGame(engine, {}, game % 2 == 0, times))
            return 2;
        GameTimes &into = game % 2 == 0 ? recorded : unrecorded;
        into.dealt.insert(into.dealt.end(), times.dealt.begin(), times.dealt.end());
        into.painted.insert(into.painted.end(), times.painted.begin(), times.painted.end());
        if (game % 2 == 0)
            gameTimes.push_back(times.seconds);
    }
    const QString gamesText = QStringLiteral(" (%1 games of 100 cards, offscreen)").arg(games);
    printBenchRow(QStringLiteral("Enter to next card laid out, history on (baseline: off), ms") + gamesText,
                  median(recorded.dealt), median(unrecorded.dealt), QStringLiteral("< 1"), 3);
    printBenchRow(QStringLiteral("Enter to next card painted, ms") + gamesText, median(recorded.painted), {},
                  QStringLiteral("-"), 3);
    printBenchRow(QStringLiteral("100-card game typed, s") + gamesText, median(gameTimes), {},
                  QStringLiteral("< 0.5"), 3);

    if (!PgServer::missing().isEmpty()) {
        std::fprintf(stderr, "no class server rows: %s\n", qPrintable(PgServer::missing()));
        return 0;
    }
    PgServer server;
    if (!server.start() || !server.createClass(QStringLiteral("bench")))
        return 3;
    const SilentListener listener;
    if (listener.port() == 0)
        return 4;
    const std::pair<QString, QString> servers[] = {
        {QStringLiteral("reachable"), server.conninfo(QStringLiteral("bench"))},
        {QStringLiteral("never answering"), QStringLiteral("host=127.0.0.1 port=%1 dbname=bench").arg(listener.port())}};
    constexpr int classGames = 3;
    for (const auto &[kind, conninfo] : servers) {
        GameTimes shared;
        for (int game = 0; game < classGames; ++game)
            if (!playGame(engine, {{Program::classServerOption(), conninfo}}, true, shared))
                return 5;
        printBenchRow(QStringLiteral("Enter to next card laid out, class server %1 (baseline: none), ms "
                                     "(%2 games of 100 cards, offscreen)")
                          .arg(kind)
                          .arg(classGames),
                      median(shared.dealt), median(recorded.dealt), QStringLiteral("< 1"), 3);
    }
    return 0;
}
