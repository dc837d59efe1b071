#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>

#include "app/fonts.h"
#include "app/program.h"
#include "fakes/fakeplatform.h"
#include "game/gamesession.h"
#include "game/score.h"
#include "platform/product.h"
#include "report/gamesummary.h"
#include "report/summaryprinting.h"
#include "setup/setuppanel.h"
#include "worksheet/worksheetprinting.h"

namespace {

// A word of the printed PDF, in inches from the top left of the printable area.
struct Word
{
    QString text;
    double left;
    double top;
    double right;
    double bottom;
};

// The words of one page, or of every page when page is 0.
QList<Word> wordsOf(const QString &pdf, int page = 0)
{
    QProcess process;
    QStringList arguments{QStringLiteral("-bbox"), pdf, QStringLiteral("-")};
    if (page > 0)
        arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l") << QString::number(page);
    process.start(QStringLiteral("pdftotext"), arguments);
    if (!process.waitForFinished(30000))
        return {};
    const QString html = QString::fromUtf8(process.readAllStandardOutput());

    // The painter's origin is the printable area, inside the printer's margins.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QPointF origin = printer.pageLayout().paintRectPoints().topLeft();

    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<Word> words;
    for (const QRegularExpressionMatch &m : word.globalMatch(html))
        words.append({m.captured(5), (m.captured(1).toDouble() - origin.x()) / 72.0,
                      (m.captured(2).toDouble() - origin.y()) / 72.0, (m.captured(3).toDouble() - origin.x()) / 72.0,
                      (m.captured(4).toDouble() - origin.y()) / 72.0});
    return words;
}

QList<Word> find(const QList<Word> &words, const QString &text)
{
    QList<Word> found;
    for (const Word &w : words)
        if (w.text == text)
            found.append(w);
    return found;
}

constexpr double tolerance = 0.06; // inches

// One character of 14 pt "Courier", measured on the page from a three-character text.
double courierWidth(const QList<Word> &words)
{
    const QList<Word> bars = find(words, QStringLiteral("___"));
    return bars.isEmpty() ? 0 : (bars[0].right - bars[0].left) / 3;
}

WorksheetPrintHooks noHooks()
{
    return {[](bool) {}, [] {}, {}};
}

// Some word with this text starts (or, right-aligned, ends) at x and has its top at y.
bool landsAt(const QList<Word> &words, const QString &text, double x, double y, bool rightAligned = false)
{
    const QList<Word> candidates = find(words, text);
    for (const Word &w : candidates)
        if (qAbs((rightAligned ? w.right : w.left) - x) < tolerance && qAbs(w.top - y) < tolerance)
            return true;
    for (const Word &w : candidates)
        qWarning("%s is at %.3f..%.3f, %.3f", qPrintable(text), w.left, w.right, w.top);
    return false;
}

} // namespace

class TestPrinting : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutes(); }

    void summaryLandsWhereTheLayoutSays()
    {
        GameSummary summary;
        for (int n = 1; n <= 100; ++n) {
            CardRecord card;
            card.cardNumber = n;
            card.problem = QStringLiteral("P%1").arg(n);
            card.given = n;
            card.right = n != 51;
            card.cardTime = QStringLiteral("T%1").arg(n);
            card.timeShown = true;
            summary.addCardRow(card);
        }
        summary.setResultLine(QStringLiteral("Results"));
        FakePlatform platform;
        printSummary(platform, summary, QStringLiteral("Version 1.0.0"));
        QCOMPARE(platform.printedFiles.size(), 1);
        const QList<Word> words = wordsOf(platform.printedFiles[0]);
        QVERIFY(!words.isEmpty());

        struct Expected
        {
            const char *text;
            double x;
            double y;
        };
        const Expected expected[] = {
            {"Results", 1.0, 1.0},   {"PROBLEM", 1.0, 1.56}, {"ANSWER", 4.5 + 1.0, 1.56},
            {"P1", 1.0, 1.85},       {"1", 2.25, 1.85},      {"T1", 3.0, 1.85},
            {"P50", 1.0, 1.85 + 49 * 0.16}, {"P51", 4.5, 1.85}, {"T100", 6.5, 1.85 + 49 * 0.16},
        };
        for (const Expected &e : expected)
            QVERIFY2(landsAt(words, QString::fromLatin1(e.text), e.x, e.y), e.text);
        QCOMPARE(find(words, QStringLiteral("YOUR")).size(), 2);
        // 10 pt at the printer's resolution, not the screen's: about 0.16 in from top to bottom.
        const Word heading = find(words, QStringLiteral("PROBLEM")).first();
        QVERIFY2(heading.bottom - heading.top > 0.13 && heading.bottom - heading.top < 0.19,
                 qPrintable(QString::number(heading.bottom - heading.top)));
    }

    // The sheet and its answer key, read back from the PDF: the key repeats
    // each problem in its place and adds the answer, the quotient above the bar.
    void worksheetLandsWhereTheLayoutSays()
    {
        FakePlatform platform;
        platform.options.insert(answerKeyOption(), true);
        platform.queuedRandom.values = {0.0}; // sheet 100000
        Program program(platform);
        WorksheetSetup setup;
        setup.subtraction = setup.division = true;
        setup.topLimit = setup.bottomLimit = 20;
        setup.divisorLow = setup.divisorHigh = 7;
        setup.cardCount = 10;
        printWorksheet(program.platform, program.dialogs, setup, QStringLiteral("Ann"), noHooks());
        QCOMPARE(platform.printedFiles.size(), 1);
        const QList<WorksheetProblem> problems = sheetProblems({100000, QStringLiteral("Ann"), setup, {}});
        const auto firstOf = [&problems](bool division) {
            return int(std::find_if(problems.begin(), problems.end(),
                                    [division](const WorksheetProblem &p) { return p.bottom.contains(u')') == division; })
                       - problems.begin());
        };
        const int minus = firstOf(false);
        const int divide = firstOf(true);
        QVERIFY2(minus < 10 && divide < 10, "the sheet has both kinds of problem");
        const double minusX = 0.7 * (minus + 1);
        const double divideX = 0.7 * (divide + 1);

        for (const int page : {1, 2}) {
            const QList<Word> words = wordsOf(platform.printedFiles[0], page);
            QVERIFY(!words.isEmpty());
            QVERIFY(landsAt(words, page == 1 ? QStringLiteral("Worksheet") : QStringLiteral("Answer"), 1.0, 0.75));
            QVERIFY(landsAt(words, problems[minus].top.trimmed(), minusX, 1.2, true));
            // "- 7" is two words, "-14" one; either way the line starts three characters left.
            const QStringList bottom = problems[minus].bottom.split(u' ', Qt::SkipEmptyParts);
            QVERIFY(landsAt(words, bottom.first(), minusX - 3 * courierWidth(words), 1.4));
            QVERIFY(landsAt(words, bottom.last(), minusX, 1.4, true));
            QVERIFY(landsAt(words, problems[divide].top, divideX, 1.2, true));
            QVERIFY(landsAt(words, problems[divide].bottom, divideX, 1.4, true));
            QVERIFY(landsAt(words, QStringLiteral("100000"), 7.0, 9.9, true));
            // A fixed-pitch face: the bar covers the bracket and the dividend, not the divisor.
            const Word bar = find(words, problems[divide].top).first();
            const Word division = find(words, problems[divide].bottom).first();
            QVERIFY(qAbs((bar.right - bar.left) - 0.75 * (division.right - division.left)) < 0.02);
            // 14 pt: a fixed-pitch character is 0.6 of the size wide.
            QVERIFY2(qAbs(courierWidth(words) - 14 * 0.6 / 72) < 0.01, qPrintable(QString::number(courierWidth(words))));
            const QString answer = QString::number(problems[minus].answer);
            const QString quotient = QString::number(problems[divide].answer);
            QCOMPARE(landsAt(words, answer, minusX, 1.2 + 0.4, true), page == 2);
            QCOMPARE(landsAt(words, quotient, divideX, 1.2 - 0.04, true), page == 2);
        }
        QVERIFY(wordsOf(platform.printedFiles[0], 3).isEmpty());
    }

    void longestNameStaysOnThePage_data()
    {
        QTest::addColumn<bool>("worksheet");
        QTest::addColumn<int>("rows");
        QTest::addColumn<double>("firstRowTop");
        QTest::newRow("summary, one column") << false << 10 << 1.4;
        QTest::newRow("summary, two columns") << false << 100 << 1.4;
        QTest::newRow("worksheet") << true << 100 << 1.2;
    }
    void longestNameStaysOnThePage()
    {
        QFETCH(bool, worksheet);
        QFETCH(int, rows);
        QFETCH(double, firstRowTop);
        GameSettings settings;
        const QString name(SetupPanel(settings).txtName->maxLength(), u'W'); // the widest letter
        FakePlatform platform;
        Program program(platform);
        if (worksheet) {
            WorksheetSetup setup;
            setup.addition = true;
            setup.topLimit = setup.bottomLimit = 999;
            setup.cardCount = rows;
            printWorksheet(program.platform, program.dialogs, setup, name, noHooks());
        } else {
            for (int r = 2; r < rows + 2; ++r)
                program.summary.setRow(r, QStringLiteral("99 x 99 = 9801"), QStringLiteral("9801"),
                                       QStringLiteral("59:59"), false);
            program.summary.setResultLine(resultLine(resultsForName(name), QStringLiteral("12/31/2026"),
                                                     QStringLiteral("999:59"),
                                                     QStringLiteral("     You got 100 right out of 100. "
                                                                    "That's a score of 100%")));
            printSummary(platform, program.summary, versionLabel());
        }
        QCOMPARE(platform.printedFiles.size(), 1);
        const QList<Word> words = wordsOf(platform.printedFiles[0]);
        QVERIFY(!words.isEmpty());

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QSizeF area = printer.pageLayout().paintRectPoints().size() / 72.0;
        for (const Word &w : words) {
            QVERIFY2(w.left > -tolerance && w.right < area.width() + tolerance && w.bottom < area.height() + tolerance,
                     qPrintable(w.text));
            // The heading lines end above the first row.
            if (w.top < firstRowTop)
                QVERIFY2(w.bottom < firstRowTop + tolerance, qPrintable(w.text));
        }
        QVERIFY(!find(words, worksheet ? QStringLiteral("Sumdrop") : QStringLiteral("100%")).isEmpty());
    }

    void cancelledSummaryPrintsNothing()
    {
        FakePlatform platform;
        platform.printAccepted = false;
        GameSummary summary;
        printSummary(platform, summary, QStringLiteral("Version 1.0.0"));
        QVERIFY(platform.printedFiles.isEmpty());
        QVERIFY(platform.messages.isEmpty());
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
