#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include "app/fonts.h"
#include "app/program.h"
#include "fakes/fakeplatform.h"
#include "game/gamesession.h"
#include "report/gamesummary.h"
#include "report/summaryprinting.h"
#include "worksheet/worksheetprinting.h"

namespace {

// A word of the printed PDF, in inches from the top left of the printable area.
struct Word
{
    QString text;
    double left;
    double top;
    double right;
};

QList<Word> wordsOf(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(30000))
        return {};
    const QString html = QString::fromUtf8(process.readAllStandardOutput());

    // The painter's origin is the printable area, inside the printer's margins.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QPointF origin = printer.pageLayout().paintRectPoints().topLeft();

    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)</word>)re"));
    QList<Word> words;
    for (const QRegularExpressionMatch &m : word.globalMatch(html))
        words.append({m.captured(4), (m.captured(1).toDouble() - origin.x()) / 72.0,
                      (m.captured(2).toDouble() - origin.y()) / 72.0, (m.captured(3).toDouble() - origin.x()) / 72.0});
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

// Some word with this text starts (or, right-aligned, ends) at x and has its top at y.
bool landsAt(const QList<Word> &words, const QString &text, double x, double y, bool rightAligned = false)
{
    for (const Word &w : find(words, text)) {
        if (qAbs((rightAligned ? w.right : w.left) - x) < tolerance && qAbs(w.top - y) < tolerance)
            return true;
        qWarning("%s at %.3f..%.3f, %.3f", qPrintable(text), w.left, w.right, w.top);
    }
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
