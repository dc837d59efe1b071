// The game's own speed, in process and offscreen: the time from Enter on a
// card to the next card dealt and laid out, and a whole 100-card game typed
// through the real widgets with the sounds off. Games alternate with the
// practice history writing each card and with its recorder disconnected.
#include <cstdio>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <random>
#include <vector>

#include "benchtable.h"

#include "app/mainwindow.h"
#include "play/gameboard.h"
#include "app/program.h"
#include "entry/answerarea.h"
#include "fakes/fakeplatform.h"
#include "play/gameflow.h"
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
    std::vector<double> enterTimes;
    std::vector<double> unrecordedTimes;
    std::vector<double> paintTimes;
    std::vector<double> gameTimes;
    std::mt19937 engine(20261208);
    for (int game = 0; game < 2 * games; ++game) {
        const bool recorded = game % 2 == 0;
        FakePlatform platform;
        for (int i = 0; i < 2000; ++i)
            platform.queuedRandom.values.push_back(std::uniform_real_distribution<double>(0, 1)(engine));
        auto program = startProgram(platform);
        if (!program)
            return 1;
        if (!recorded)
            QObject::disconnect(&program->game(), nullptr, &program->history(), nullptr);
        QElapsedTimer whole;
        whole.start();
        QTest::mouseClick(program->frmProgram()->board->cmdStart, Qt::LeftButton);
        while (program->session.state == 1) {
            const EnterTime time = answerCard(*program);
            if (program->session.state == 1 && !recorded)
                unrecordedTimes.push_back(time.dealt);
            if (program->session.state == 1 && recorded) {
                enterTimes.push_back(time.dealt);
                paintTimes.push_back(time.painted);
            }
        }
        if (recorded)
            gameTimes.push_back(double(whole.nsecsElapsed()) / 1e9);
        if (platform.messages.size() != 1
            // A recorded game also tells the facts it won.
            || !platform.messages[0].text.startsWith(
                QStringLiteral("You got 100 right out of 100. That's a score of 100%"))) {
            for (const auto &message : platform.messages)
                std::fprintf(stderr, "unexpected message: %s\n", qPrintable(message.text));
            return 2;
        }
    }

    const QString gamesText = QStringLiteral(" (%1 games of 100 cards, offscreen)").arg(games);
    printBenchRow(QStringLiteral("Enter to next card laid out, history on (baseline: off), ms") + gamesText,
                  median(enterTimes), median(unrecordedTimes), QStringLiteral("< 1"), 3);
    printBenchRow(QStringLiteral("Enter to next card painted, ms") + gamesText, median(paintTimes), {},
                  QStringLiteral("-"), 3);
    printBenchRow(QStringLiteral("100-card game typed, s") + gamesText, median(gameTimes), {},
                  QStringLiteral("< 0.5"), 3);
    return 0;
}
