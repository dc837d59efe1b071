// The name box's completion over a family-sized history and far beyond: 500
// children on record, the box focused and a letter typed until the list of
// names is up.
#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <vector>

#include "benchtable.h"

#include "history/historystore.h"
#include "ui/gamedriver.h"

namespace {

constexpr int children = 500;

bool fillHistory()
{
    HistoryStore store(HistoryStore::defaultPath());
    const QDateTime start = QDateTime::currentDateTimeUtc().addDays(-children);
    for (int c = 0; c < children; ++c) {
        GameSetup setup;
        setup.child = QStringLiteral("Child %1").arg(c);
        setup.started = start.addDays(c);
        setup.operations = 15;
        setup.cardCount = 1;
        CardRecord card;
        card.operation = 15;
        card.top = 2;
        card.bottom = 3;
        card.answer = 5;
        card.given = 5;
        card.right = true;
        card.seconds = 2;
        card.judgedAt = setup.started;
        qint64 game = 0;
        if (!store.recordCard(game, setup, card) || !store.endGame(game, setup.started, true))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", data.filePath(QStringLiteral("config")).toLocal8Bit());
    QApplication application(argc, argv);
    if (!fillHistory())
        return 1;

    constexpr int runs = 7;
    std::vector<double> opened;
    for (int run = 0; run < runs; ++run) {
        GameDriver driver;
        if (!driver.program || !QTest::qWaitForWindowActive(driver.window()))
            return 2;
        QLineEdit *box = driver.setup().txtName;
        QElapsedTimer timer;
        timer.start();
        box->setFocus();
        QTest::keyClick(box, 'c');
        const bool up = box->completer() && box->completer()->popup()->isVisible();
        if (!up || box->completer()->completionCount() != children)
            return 3;
        box->completer()->popup()->repaint();
        opened.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(opened.begin(), opened.end());
    printBenchRow(QStringLiteral("Name completion opened over %1 children, ms (%2 runs)").arg(children).arg(runs),
                  opened[runs / 2], {}, QStringLiteral("< 20"), 1);
    return 0;
}
