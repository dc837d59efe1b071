// Writes the fuzzers' seed corpora with the program's own writers:
// seedgen <folder> fills <folder>/settings, <folder>/report, <folder>/number
// and <folder>/history.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

#include "setup/settings.h"
#include "game/gamesession.h"
#include "game/numbertext.h"
#include "game/score.h"
#include "history/historystore.h"
#include "report/gamesummary.h"
#include "report/reportfile.h"

namespace {

bool write(const QDir &folder, const QString &name, const QByteArray &bytes)
{
    QFile file(folder.filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

SettingsRecord everythingOn()
{
    SettingsRecord r;
    r.cardCount = 100;
    r.useAddition = r.useSubtraction = r.useMultiplication = r.useDivision = true;
    r.timerOn = r.soundsOn = r.verbalMode = r.showSummary = true;
    r.topMin = 12;
    r.topMax = 99;
    r.bottomMin = 3;
    r.bottomMax = 45;
    r.divisorLow = 3;
    r.divisorHigh = 9;
    r.topLimit = 99;
    r.bottomLimit = 12;
    r.answerFormat = 2;
    r.showCardCount = r.showPreviousCard = r.showCarryBoxes = r.advancedRange = true;
    r.useKeypad = r.highlightEntry = r.skipIntroHelp = true;
    return r;
}

// A game of the given length: every third card wrong, the card times shown
// when timed.
QByteArray report(int cards, bool timed, const QString &name, const QString &problemSuffix = {})
{
    GameSummary summary;
    GameSession session;
    for (int n = 1; n <= cards; ++n) {
        CardRecord card;
        card.cardNumber = n;
        card.problem = QStringLiteral("%1 x 7 = %2").arg(n).arg(n * 7) + problemSuffix;
        card.right = n % 3 != 0;
        card.given = card.right ? n * 7 : n * 7 + 1;
        card.cardTime = QStringLiteral("0:%1").arg(n % 60);
        card.timeShown = timed;
        summary.addCardRow(card);
        session.rightCount += card.right ? 1 : 0;
    }
    session.cardNumber = cards + 1;
    const std::optional<QString> time = timed ? std::optional(QStringLiteral("3:25")) : std::nullopt;
    summary.setResultLine(resultLine(resultsForName(name), QStringLiteral("12/8/2026"), time,
                                     scoreLine(session, cards == 0 ? 10 : cards)));
    return formatReport(summary);
}

// A card as the game records it: a verbal or timed-out card has no answer typed.
CardRecord card(qint16 operation, int top, int bottom, bool right, double seconds,
                CardEnding ending = CardEnding::Typed)
{
    static qint64 judged = 0;
    CardRecord r;
    r.operation = operation;
    r.top = top;
    r.bottom = bottom;
    r.answer = factAnswer({operation, top, bottom});
    r.right = right;
    r.seconds = seconds;
    r.ending = ending;
    r.given = right ? r.answer : r.answer + 1;
    r.hasGiven = ending == CardEnding::Typed;
    r.judgedAt = QDateTime(QDate(2026, 12, 8), QTime(16, 0), Qt::UTC).addSecs(10 * ++judged);
    return r;
}

bool game(HistoryStore &store, const QString &child, const QList<CardRecord> &cards, bool completed = true)
{
    GameSetup setup;
    setup.child = child;
    setup.started = cards.first().judgedAt.addSecs(-5);
    setup.operations = functionSetFor(true, true, true, true);
    setup.cardCount = 10;
    setup.topMin = setup.bottomMin = 1;
    setup.topMax = setup.bottomMax = 12;
    setup.divisorLow = 2;
    setup.divisorHigh = 9;
    setup.verbal = cards.first().ending == CardEnding::MarkedRight || cards.first().ending == CardEnding::MarkedWrong;
    qint64 id = 0;
    for (const CardRecord &each : cards) {
        if (!store.recordCard(id, setup, each))
            return false;
    }
    return store.endGame(id, cards.last().judgedAt, completed);
}

// A history written by the store and closed, so that the file holds it all
// without a log beside it.
bool history(const QDir &folder, const QString &name, const std::function<bool(HistoryStore &)> &write)
{
    const QString path = folder.filePath(name);
    bool ok = !QFileInfo::exists(path) || QFile::remove(path);
    {
        HistoryStore store(path);
        ok = ok && write(store);
    }
    if (!ok || QFileInfo::exists(path + QStringLiteral("-wal")))
        return false;
    QFile::remove(path + QStringLiteral("-shm"));
    return true;
}

bool twoChildren(HistoryStore &store)
{
    const QString ann = QStringLiteral("Ann");
    return game(store, ann,
                {card(Operation::Addition, 7, 8, true, 1.2), card(Operation::Subtraction, 15, 7, false, 9.8),
                 card(Operation::Multiplication, 6, 7, true, 4),
                 card(Operation::Division, 56, 8, false, 30, CardEnding::TimedOut),
                 card(Operation::Multiplication, 6, 7, true, 3.1)})
        && game(store, QStringLiteral("Zo\u00eb"),
                {card(Operation::Division, 81, 9, true, 2, CardEnding::MarkedRight),
                 card(Operation::Addition, 0, 12, false, 7.25, CardEnding::MarkedWrong),
                 card(Operation::Subtraction, 12, 12, true, 0.4, CardEnding::MarkedRight)},
                false)
        && game(store, QStringLiteral(" ann"), {card(Operation::Multiplication, 6, 7, false, 12.5)})
        && store.setFluencySeconds(ann, 3);
}

// A sheet of weak facts and an ordinary one.
bool twoSheets(HistoryStore &store)
{
    PrintedSheet weak{123456, QStringLiteral("Ann"), {}, {{{Operation::Multiplication, 6, 7}, Mastery::NeedsWork},
                                                           {{Operation::Division, 56, 8}, Mastery::Learning}}};
    weak.setup.multiplication = weak.setup.division = true;
    weak.setup.topMax = weak.setup.bottomMax = weak.setup.topLimit = weak.setup.bottomLimit = 12;
    weak.setup.divisorHigh = 9;
    weak.setup.cardCount = 20;
    PrintedSheet ordinary{987654, QStringLiteral("Ben"), weak.setup, {}};
    ordinary.setup.addition = ordinary.setup.advancedRange = true;
    ordinary.setup.topMin = 10;
    ordinary.setup.topMax = 99;
    return game(store, weak.name,
                {card(Operation::Multiplication, 6, 7, false, 5), card(Operation::Division, 56, 8, true, 8)})
        && store.keepSheet(weak) && store.keepSheet(ordinary);
}

// A game a class server has taken and that ended after, one waiting to be
// sent, and one of another machine taken in.
bool outbox(HistoryStore &store)
{
    const QTemporaryDir elsewhere;
    HistoryStore other(elsewhere.filePath(QStringLiteral("history.sqlite")));
    const QString ann = QStringLiteral("Ann");
    qint64 id = 0;
    GameSetup setup;
    setup.child = ann;
    setup.started = QDateTime(QDate(2026, 12, 7), QTime(16, 0), Qt::UTC);
    if (!store.recordCard(id, setup, card(Operation::Multiplication, 6, 7, true, 3.1))
        || !store.markSent(store.unsentBatch(100)) || !store.endGame(id, setup.started.addSecs(60), true))
        return false;
    return game(store, ann, {card(Operation::Addition, 7, 8, false, 4.0)})
        && game(other, QStringLiteral(" ANN"), {card(Operation::Multiplication, 6, 7, false, 8.5)}, false)
        && elsewhere.isValid() && store.importShared(other.unsentBatch(100));
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: seedgen <corpus folder>\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (const char *kind : {"settings", "report", "number", "history"}) {
        if (!root.mkpath(QLatin1String(kind)))
            return 1;
    }
    const QDir settings(root.filePath(QStringLiteral("settings")));
    const QDir reports(root.filePath(QStringLiteral("report")));
    const QDir numbers(root.filePath(QStringLiteral("number")));
    const QDir histories(root.filePath(QStringLiteral("history")));

    bool ok = write(settings, QStringLiteral("first-run.ini"), formatSettings(SettingsRecord{}))
              && write(settings, QStringLiteral("everything-on.ini"), formatSettings(everythingOn()));

    ok = ok && write(reports, QStringLiteral("no-cards.txt"), report(0, false, QString()))
         && write(reports, QStringLiteral("3-cards-untimed.txt"), report(3, false, QStringLiteral("Ann")))
         && write(reports, QStringLiteral("21-cards-timed.txt"), report(21, true, QStringLiteral("Zo\u00eb")))
         && write(reports, QStringLiteral("100-cards.txt"), report(100, true, QStringLiteral("Ben")))
         && write(reports, QStringLiteral("quotes-and-commas.txt"),
                  report(2, true, QStringLiteral("\"Al\", Jo"), QStringLiteral(" \"ok\", yes")));

    // Answers as the summary writes them, and the numbers of the texts the
    // program composes.
    const double values[] = {0, 7, 56, 144, -3, 0.5, 66.6666666666667, 1e15, 123456789012345678.0, 1e-7};
    int index = 0;
    for (const double value : values)
        ok = ok && write(numbers, QStringLiteral("answer-%1.txt").arg(++index), numberText(value).toUtf8());

    // Histories: empty as the store makes one before its first write, fresh,
    // with one card, two children with every operation and ending, kept sheets,
    // and cards sent, waiting and taken in.
    ok = ok && write(histories, QStringLiteral("empty.sqlite"), {})
         && history(histories, QStringLiteral("no-games.sqlite"), [](HistoryStore &s) { return s.open(true); })
         && history(histories, QStringLiteral("one-card.sqlite"), [](HistoryStore &s) {
                return game(s, QStringLiteral("Ann"), {card(Operation::Addition, 7, 8, true, 2.5)});
            })
         && history(histories, QStringLiteral("two-children.sqlite"), twoChildren)
         && history(histories, QStringLiteral("sheets.sqlite"), twoSheets)
         && history(histories, QStringLiteral("outbox.sqlite"), outbox);
    return ok ? 0 : 1;
}
