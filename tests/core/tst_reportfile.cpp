#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

#include "game/gamesession.h"
#include "report/reportfile.h"

namespace {

using Kind = ReportContents::Kind;

CardRecord card(int number, bool right, bool timed)
{
    CardRecord record;
    record.cardNumber = number;
    record.problem = QStringLiteral("%1 x 3 = %2").arg(number).arg(number * 3);
    record.given = right ? number * 3 : 0;
    record.right = right;
    record.cardTime = QStringLiteral("0:%1").arg(number % 60);
    record.timeShown = timed;
    return record;
}

void play(GameSummary &summary, int cards, bool timed = true)
{
    summary.reset();
    for (int n = 1; n <= cards; ++n)
        summary.addCardRow(card(n, n % 3 != 0, timed));
    summary.setResultLine(QStringLiteral("   Results for: Ann   Date: 12/8/2026   Score: %1").arg(cards));
}

ReportContents parse(const QByteArray &bytes)
{
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    return parseReport(buffer);
}

QByteArray header(const QByteArray &result = "Result")
{
    return "\"-sdr-\",\"" + result + "\"\r\n";
}

QByteArray rows(int count)
{
    QByteArray out;
    for (int i = 1; i <= count; ++i)
        out += "\"" + QByteArray::number(i) + " + 1 = " + QByteArray::number(i + 1) + "\",\"3\",\"0:1\",255,0\r\n";
    return out;
}

QList<bool> nextFlags(const GameSummary &summary)
{
    return {summary.nextShown(1), summary.nextShown(2), summary.nextShown(3), summary.nextShown(4)};
}

} // namespace

class TestReportFile : public QObject
{
    Q_OBJECT
private slots:
    void writesTheDocumentedBytes()
    {
        GameSummary summary;
        play(summary, 3, false);
        summary.setResultLine(QStringLiteral("   Date: 12/8/2026"));
        QCOMPARE(formatReport(summary), QByteArray("\"-sdr-\",\"   Date: 12/8/2026\"\r\n"
                                                   "\"1 x 3 = 3\",\"3\",\"\",0,0\r\n"
                                                   "\"2 x 3 = 6\",\"6\",\"\",0,0\r\n"
                                                   "\"3 x 3 = 9\",\"0\",\"\",255,0\r\n"));
    }

    void fileName_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("saved");
        QTest::newRow("no extension") << "/tmp/scores" << "/tmp/scores.txt";
        QTest::newRow("already .txt") << "/tmp/scores.txt" << "/tmp/scores.txt";
        QTest::newRow("capitals") << "REPORT.TXT" << "REPORT.TXT.txt";
        QTest::newRow("mixed case") << "a.Txt" << "a.Txt.txt";
        QTest::newRow("other extension") << "a.csv" << "a.csv.txt";
        QTest::newRow("txt without dot") << "atxt" << "atxt.txt";
    }
    void fileName()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, saved);
        QCOMPARE(reportFileName(chosen), saved);
    }

    void roundTrip_data()
    {
        QTest::addColumn<int>("cards");
        QTest::addColumn<bool>("timed");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QList<bool>>("next");
        QTest::newRow("100 cards") << 100 << true << 101 << QList<bool>{true, true, true, true};
        QTest::newRow("20 cards") << 20 << true << 21 << QList<bool>{false, false, false, false};
        QTest::newRow("21 cards, timer off") << 21 << false << 22 << QList<bool>{true, false, false, false};
        QTest::newRow("no cards") << 0 << true << 1 << QList<bool>{false, false, false, false};
    }
    void roundTrip()
    {
        QFETCH(int, cards);
        QFETCH(bool, timed);
        QFETCH(int, lines);
        QFETCH(QList<bool>, next);
        GameSummary saved;
        play(saved, cards, timed);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("scores.txt"));
        QVERIFY(writeReportFile(saved, path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.count("\r\n"), lines);
        QVERIFY(bytes.endsWith("\r\n"));

        GameSummary loaded;
        play(loaded, 30); // what was on the pages before is replaced
        const ReportContents contents = readReportFile(path);
        QCOMPARE(contents.kind, Kind::Loaded);
        QVERIFY(applyReport(contents, loaded));
        QCOMPARE(loaded.resultLine(), saved.resultLine());
        QCOMPARE(loaded.shownRowCount(), cards);
        QCOMPARE(nextFlags(loaded), next);
        for (int r = 2; r <= cards + 1; ++r) {
            const SummaryRow before = saved.row(r);
            const SummaryRow after = loaded.row(r);
            QCOMPARE(after.problem, before.problem);
            QCOMPARE(after.answer, before.answer);
            QCOMPARE(after.time, timed ? before.time : QString());
            QCOMPARE(after.wrong, before.wrong);
            QVERIFY(after.timeShown); // blank times come back shown
        }
        QVERIFY(!loaded.row(cards + 2).shown);
    }

    void textsSurviveQuotesAndCommas_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("quoted word") << "say \"hi\"";
        QTest::newRow("only a quote") << "\"";
        QTest::newRow("two quotes") << "\"\"";
        QTest::newRow("comma") << "7, 8";
        QTest::newRow("leading and trailing blanks") << "   Date  ";
        QTest::newRow("line break") << "a\r\nb";
        QTest::newRow("accents") << QStringLiteral("Results for: Zo\u00eb \u00c5sa");
    }
    void textsSurviveQuotesAndCommas()
    {
        QFETCH(QString, text);
        GameSummary saved;
        saved.setResultLine(text);
        saved.setRow(2, text, text, text, true);
        saved.setRow(3, QStringLiteral("after"), QStringLiteral("1"), QString(), false);
        const ReportContents contents = parse(formatReport(saved));
        QVERIFY(contents.complete);
        QCOMPARE(contents.resultLine.value_or(QString()), text);
        QCOMPARE(contents.rows.size(), 2);
        QCOMPARE(contents.rows[0].problem, text);
        QCOMPARE(contents.rows[0].answer, text);
        QCOMPARE(contents.rows[0].time, text);
        QCOMPARE(contents.rows[1].problem, QStringLiteral("after"));
    }

    void colourField_data()
    {
        QTest::addColumn<QByteArray>("colour");
        QTest::addColumn<bool>("wrong");
        QTest::newRow("255 red") << QByteArray("255") << true;
        QTest::newRow("0 black") << QByteArray("0") << false;
        QTest::newRow("254 black") << QByteArray("254") << false;
        QTest::newRow("65535 black") << QByteArray("65535") << false;
        QTest::newRow("blanks around 255") << QByteArray("  255 ") << true;
        QTest::newRow("text black") << QByteArray("red") << false;
        QTest::newRow("empty black") << QByteArray("") << false;
    }
    void colourField()
    {
        QFETCH(QByteArray, colour);
        QFETCH(bool, wrong);
        const ReportContents contents = parse(header() + "\"1 + 1 = 2\",\"2\",\"\"," + colour + ",0\r\n");
        QVERIFY(contents.complete);
        QCOMPARE(contents.rows.size(), 1);
        QCOMPARE(contents.rows[0].wrong, wrong);
    }

    void readsLooseFieldSyntax_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("answer");
        QTest::newRow("blanks before fields") << QByteArray(" \"a\",\t\"b\" ,\"\",0,0\r\n") << "a" << "b";
        QTest::newRow("unquoted texts") << QByteArray("  a b  ,7,,0,0\r\n") << "a b" << "7";
        QTest::newRow("LF line ends") << QByteArray("\"a\",\"b\",\"\",0,0\n") << "a" << "b";
        QTest::newRow("no final line end") << QByteArray("\"a\",\"b\",\"\",0,0") << "a" << "b";
        QTest::newRow("trailing blank lines") << QByteArray("\"a\",\"b\",\"\",0,0\r\n\r\n  \r\n") << "a" << "b";
        // Written by older versions without doubling: read as far as it parses.
        QTest::newRow("unescaped quote") << QByteArray("\"say \"hi\"\",\"b\",\"\",0,0\r\n") << "say " << "b";
        QTest::newRow("8-bit code page") << QByteArray("\"Zo\xeb\",\"b\",\"\",0,0\r\n")
                                           << QStringLiteral("Zo\u00eb") << "b";
    }
    void readsLooseFieldSyntax()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        QFETCH(QString, answer);
        const ReportContents contents = parse(header() + bytes);
        QVERIFY(contents.complete);
        QCOMPARE(contents.rows.size(), 1);
        QCOMPARE(contents.rows[0].problem, problem);
        QCOMPARE(contents.rows[0].answer, answer);
    }

    void badFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<ReportContents::Kind>("kind");
        QTest::addColumn<bool>("hasResult");
        QTest::addColumn<int>("rowCount");
        QTest::addColumn<bool>("complete");

        QByteArray garbage(64 * 1024, '\0');
        QRandomGenerator random(7);
        for (char &c : garbage)
            c = char(random.bounded(256));
        const QByteArray longText(10 * 1024 * 1024, 'A');

        QTest::newRow("mark in capitals") << QByteArray("\"-SDR-\",\"x\"\r\n") << Kind::NotAReport << false << 0 << false;
        QTest::newRow("mark with a blank") << QByteArray("\"-sdr- \",\"x\"\r\n") << Kind::NotAReport << false << 0 << false;
        QTest::newRow("empty") << QByteArray() << Kind::Empty << false << 0 << false;
        QTest::newRow("blank lines only") << QByteArray(" \r\n\r\n") << Kind::Empty << false << 0 << false;
        QTest::newRow("mark only") << QByteArray("\"-sdr-\"\r\n") << Kind::Loaded << false << 0 << false;
        QTest::newRow("header only") << header() << Kind::Loaded << true << 0 << true;
        QTest::newRow("row cut short") << header() + "\"1 + 1 = 2\",\"2\"\r\n" << Kind::Loaded << true << 0 << false;
        QTest::newRow("second row cut short") << header() + rows(1) + "\"a\",\"b\",\"\",0" << Kind::Loaded << true << 1
                                              << false;
        QTest::newRow("unterminated quote") << header() + rows(2) + "\"a\",\"b" << Kind::Loaded << true << 2 << false;
        QTest::newRow("unterminated result") << QByteArray("\"-sdr-\",\"abc") << Kind::Loaded << false << 0 << false;
        QTest::newRow("100 rows") << header() + rows(100) << Kind::Loaded << true << 100 << true;
        QTest::newRow("101 rows") << header() + rows(101) << Kind::Loaded << true << 100 << false;
        QTest::newRow("150 rows") << header() + rows(150) << Kind::Loaded << true << 100 << false;
        QTest::newRow("binary garbage") << garbage << Kind::NotAReport << false << 0 << false;
        QTest::newRow("garbage after the header") << header() + garbage << Kind::Loaded << true << -1 << false;
        QTest::newRow("10 MB line") << longText << Kind::NotAReport << false << 0 << false;
        QTest::newRow("10 MB result line") << "\"-sdr-\",\"" + longText + "\"\r\n" << Kind::Loaded << true << 0 << true;
        QTest::newRow("10 MB problem") << header() + "\"" + longText + "\",\"1\",\"\",0,0\r\n" << Kind::Loaded << true << 1
                                       << true;
    }
    void badFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(ReportContents::Kind, kind);
        QFETCH(bool, hasResult);
        QFETCH(int, rowCount);
        QFETCH(bool, complete);
        const ReportContents contents = parse(bytes);
        QCOMPARE(contents.kind, kind);
        QCOMPARE(contents.resultLine.has_value(), hasResult);
        if (rowCount >= 0)
            QCOMPARE(contents.rows.size(), rowCount);
        QVERIFY(contents.rows.size() <= GameSummary::rowCount);
        QCOMPARE(contents.complete, complete);
        // Whatever the file, a field never holds more than a few kilobytes.
        QVERIFY(contents.resultLine.value_or(QString()).size() <= 4096);
        for (const SummaryRow &row : contents.rows)
            QVERIFY(row.problem.size() <= 4096);

        // Anything but a report leaves the summary alone; a report replaces it.
        GameSummary summary;
        play(summary, 30);
        const QString before = summary.resultLine();
        QSignalSpy spy(&summary, &GameSummary::changed);
        QCOMPARE(applyReport(contents, summary), complete);
        if (kind != Kind::Loaded) {
            QCOMPARE(spy.count(), 0);
            QCOMPARE(summary.shownRowCount(), 30);
            QCOMPARE(summary.resultLine(), before);
        } else {
            QCOMPARE(summary.shownRowCount(), int(contents.rows.size()));
            QCOMPARE(summary.resultLine(), hasResult ? *contents.resultLine : before);
        }
    }

    void shortReportReplacesALongGame()
    {
        GameSummary summary;
        play(summary, 30);
        QVERIFY(applyReport(parse(header("Five") + rows(5)), summary));
        QCOMPARE(summary.shownRowCount(), 5);
        QCOMPARE(summary.resultLine(), QStringLiteral("Five"));
        QCOMPARE(nextFlags(summary), QList<bool>({false, false, false, false}));
        QVERIFY(summary.row(2).wrong);
    }

    void missingFileIsUnreadable()
    {
        QTemporaryDir dir;
        QCOMPARE(readReportFile(dir.filePath(QStringLiteral("none.txt"))).kind, Kind::Unreadable);
        // A pipe nobody writes to would never end: not a report, at once.
        const QString pipe = dir.filePath(QStringLiteral("pipe.txt"));
        QCOMPARE(QProcess::execute(QStringLiteral("mkfifo"), {pipe}), 0);
        QCOMPARE(readReportFile(pipe).kind, Kind::NotAReport);
        QCOMPARE(readReportFile(dir.path()).kind, Kind::NotAReport);
    }

    void saveReplacesAnExistingFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("scores.txt"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(5000, 'x'));
        old.close();
        GameSummary summary;
        play(summary, 2);
        QVERIFY(writeReportFile(summary, path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), formatReport(summary));
    }

    void failedSaveKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("scores.txt"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old contents");
        old.close();
        GameSummary summary;
        play(summary, 100);

        // A disk that fills up half way: files may not grow past 1000 bytes.
        rlimit before{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &before), 0);
        const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
        rlimit small = before;
        small.rlim_cur = 1000;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const bool saved = writeReportFile(summary, path);
        setrlimit(RLIMIT_FSIZE, &before);
        signal(SIGXFSZ, previousHandler);

        QVERIFY(!saved);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old contents"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("scores.txt")});
    }

    void saveIntoAMissingFolderFails()
    {
        QTemporaryDir dir;
        GameSummary summary;
        QVERIFY(!writeReportFile(summary, dir.filePath(QStringLiteral("no/such/folder/a.txt"))));
    }
};

QTEST_GUILESS_MAIN(TestReportFile)
#include "tst_reportfile.moc"
