// Writes the fuzzers' seed corpora with the program's own writers:
// seedgen <folder> fills <folder>/settings, <folder>/report and <folder>/number.

#include <QDir>
#include <QFile>

#include <cstdio>

#include "app/settings.h"
#include "game/gamesession.h"
#include "game/numbertext.h"
#include "game/score.h"
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

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: seedgen <corpus folder>\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (const char *kind : {"settings", "report", "number"}) {
        if (!root.mkpath(QLatin1String(kind)))
            return 1;
    }
    const QDir settings(root.filePath(QStringLiteral("settings")));
    const QDir reports(root.filePath(QStringLiteral("report")));
    const QDir numbers(root.filePath(QStringLiteral("number")));

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
    return ok ? 0 : 1;
}
