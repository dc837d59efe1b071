// Plays one game through the real widgets in its own process, for the tests
// that kill the program or run two copies at once, and to make real practice
// histories to look at. Prints "judged N" once card N has been judged;
// exits with the number of messages.
// Arguments: cards, pause in ms, name, operations (any of "asmd"), seed,
// days ago, and "progress" to open the Progress window after the game and
// print what it shows. SUMDROP_CLASS_SERVER names a class server to share with.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QThread>

#include <cstdio>
#include <random>

#include "history/progresswindow.h"
#include "gamedriver.h"

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const int cards = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10;
    const int pauseMs = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 0;
    const QString name = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral("Ann");
    const QString operations = argc > 4 ? QString::fromLocal8Bit(argv[4]) : QStringLiteral("a");
    std::mt19937 engine(argc > 5 ? QString::fromLocal8Bit(argv[5]).toUInt() : 1);
    std::uniform_real_distribution<double> uniform(0, 1);

    SettingsRecord setup;
    setup.cardCount = cards;
    setup.useAddition = operations.contains(QLatin1Char('a'));
    setup.useSubtraction = operations.contains(QLatin1Char('s'));
    setup.useMultiplication = operations.contains(QLatin1Char('m'));
    setup.useDivision = operations.contains(QLatin1Char('d'));
    setup.topLimit = 12;
    setup.bottomLimit = 12;
    setup.divisorLow = 2;
    setup.divisorHigh = 9;
    setup.answerFormat = 2; // single box
    setup.skipIntroHelp = true;
    setup.showSummary = true; // ends without a message box
    TestFolder folder;
    if (!folder.enter(&setup))
        return 100;
    FakePlatform platform;
    if (argc > 6)
        platform.clock = QDateTime::currentDateTime().addDays(-QString::fromLocal8Bit(argv[6]).toInt());
    platform.queuedRandom.source = [&] { return uniform(engine); };
    const auto program = startProgram(platform, qEnvironmentVariable("SUMDROP_CLASS_SERVER"));
    if (!program)
        return 101;
    program->frmProgram()->setup->txtName->setText(name);
    int judged = 0;
    QObject::connect(&program->game(), &GameFlow::cardJudged, [&judged](const CardRecord &) {
        std::printf("judged %d\n", ++judged);
        std::fflush(stdout);
    });
    QTest::mouseClick(program->frmProgram()->board->cmdStart, Qt::LeftButton);
    while (program->session.state == 1) {
        // Bigger answers are slower and more often wrong, as with a child.
        const qint64 right = qint64(program->session.answer);
        const double hard = std::min(1.0, double(right) / 100);
        const qint64 answer = right + (uniform(engine) < 0.05 + 0.3 * hard ? 1 : 0);
        QLineEdit *box = program->frmProgram()->board->answers->txtAnswerSingle;
        QTest::keyClicks(box, QString::number(answer));
        const qint64 taken = qint64(1000 * (1 + 9 * hard * uniform(engine) + uniform(engine)));
        platform.monotonic += taken;
        platform.clock = platform.clock.addMSecs(taken);
        QTest::keyClick(box, Qt::Key_Return);
        if (pauseMs > 0)
            QThread::msleep(pauseMs);
    }
    if (argc > 7 && QString::fromLocal8Bit(argv[7]) == QStringLiteral("progress")) {
        program->frmProgram()->mnuProgress->trigger();
        const ProgressWindow &window = program->frmProgress();
        std::printf("children %d, %s\n", window.cboChild->count(), qPrintable(window.lblMastered[0]->text()));
    }
    for (const FakePlatform::Message &message : platform.messages)
        std::fprintf(stderr, "%s: %s\n", qPrintable(message.title), qPrintable(message.text));
    return int(platform.messages.size());
}
