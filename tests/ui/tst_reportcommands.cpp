#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#include "app/program.h"
#include "core/filesizelimit.h"
#include "fakes/fakeplatform.h"
#include "game/gamesession.h"
#include "report/reportcommands.h"
#include "report/reportfile.h"

namespace {

void fill(GameSummary &summary, int cards, const QString &result)
{
    summary.reset();
    for (int n = 1; n <= cards; ++n) {
        CardRecord record;
        record.cardNumber = n;
        record.problem = QStringLiteral("%1 - 1 = %2").arg(n).arg(n - 1);
        record.given = n - 1;
        record.right = true;
        summary.addCardRow(record);
    }
    summary.setResultLine(result);
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestReportCommands : public QObject
{
    Q_OBJECT
private slots:
    void saveAddsTheExtension_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("scores") << "scores" << "scores.txt";
        QTest::newRow("scores.txt") << "scores.txt" << "scores.txt";
        QTest::newRow("SCORES.TXT") << "SCORES.TXT" << "SCORES.TXT.txt";
    }
    void saveAddsTheExtension()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QTemporaryDir dir;
        FakePlatform platform;
        Program program(platform);
        platform.fileNames.push_back(dir.filePath(chosen));
        GameSummary summary;
        fill(summary, 4, QStringLiteral("Four"));
        QString slot;
        saveReport(program.platform, program.dialogs, summary, slot);
        QCOMPARE(platform.fileDialogs.size(), 1);
        QCOMPARE(platform.fileDialogs[0].first, QStringLiteral("Text Files (*.txt)"));
        QCOMPARE(platform.fileDialogs[0].second, QStringLiteral("*.txt"));
        QCOMPARE(slot, dir.filePath(written));
        QFile file(slot);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), formatReport(summary));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);
    }

    // Failures that stop root too; the parent must never believe a report saved.
    void saveFailureIsTold_data()
    {
        QTest::addColumn<bool>("underAFile");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder is a file") << true << "Not a directory";
        QTest::newRow("disk full") << false << "File too large";
    }
    void saveFailureIsTold()
    {
        QFETCH(bool, underAFile);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        FakePlatform platform;
        Program program(platform);
        const QByteArray earlier = "earlier file";
        const QString existing = dir.filePath(underAFile ? QStringLiteral("plain") : QStringLiteral("scores.txt"));
        writeBytes(existing, earlier);
        const QString target = underAFile ? existing + QStringLiteral("/scores.txt") : existing;
        platform.fileNames.push_back(target);
        GameSummary summary;
        fill(summary, 40, QStringLiteral("Forty"));
        QString slot;
        {
            std::optional<FileSizeLimit> full;
            if (!underAFile)
                full.emplace(64);
            saveReport(program.platform, program.dialogs, summary, slot);
        }
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages[0].title, QStringLiteral("Sumdrop"));
        QCOMPARE(platform.messages[0].buttons, Platform::Buttons::Ok);
        QVERIFY2(platform.messages[0].text.contains(target) && platform.messages[0].text.contains(reason),
                 qPrintable(platform.messages[0].text));
        QFile file(existing);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), earlier);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QFileInfo(existing).fileName()});
    }

    void saveCancelledWritesNothing()
    {
        FakePlatform platform;
        Program program(platform);
        GameSummary summary;
        QString slot = QStringLiteral("earlier.txt");
        saveReport(program.platform, program.dialogs, summary, slot);
        QCOMPARE(slot, QStringLiteral("earlier.txt"));
        QVERIFY(platform.messages.isEmpty());
    }

    void open_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("showPage");
        QTest::addColumn<bool>("message");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("result");
        QTest::newRow("report") << QByteArray("\"-sdr-\",\"Two\"\r\n\"a\",\"1\",\"\",0,0\r\n\"b\",\"2\",\"\",255,0\r\n")
                                << true << false << 2 << "Two";
        QTest::newRow("header only") << QByteArray("\"-sdr-\",\"None\"\r\n") << true << false << 0 << "None";
        QTest::newRow("cut short") << QByteArray("\"-sdr-\",\"Cut\"\r\n\"a\",\"1\",\"\",0,0\r\n\"b\",")
                                   << false << false << 1 << "Cut";
        QTest::newRow("not a report") << QByteArray("\"-SDR-\",\"x\"\r\n") << false << true << 30 << "Thirty";
        QTest::newRow("empty") << QByteArray() << false << false << 30 << "Thirty";
    }
    void open()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, showPage);
        QFETCH(bool, message);
        QFETCH(int, rows);
        QFETCH(QString, result);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("game.txt"));
        writeBytes(path, bytes);
        FakePlatform platform;
        Program program(platform);
        platform.fileNames.push_back(path);
        GameSummary summary;
        fill(summary, 30, QStringLiteral("Thirty"));
        QString slot;
        QCOMPARE(openReport(program.platform, program.dialogs, summary, slot), showPage);
        QCOMPARE(slot, path);
        QCOMPARE(platform.fileDialogs.size(), 1);
        QCOMPARE(platform.fileDialogs[0].first, QStringLiteral("Text Files (*.txt)"));
        QCOMPARE(summary.shownRowCount(), rows);
        QCOMPARE(summary.resultLine(), result);
        QCOMPARE(platform.messages.size(), message ? 1 : 0);
        if (message) {
            QCOMPARE(platform.messages[0].text, path + QStringLiteral(" is not a valid Sumdrop file."));
            QCOMPARE(platform.messages[0].title, QStringLiteral("Sumdrop"));
            QCOMPARE(platform.messages[0].buttons, Platform::Buttons::Ok);
        }
    }

    void openCancelledChangesNothing()
    {
        FakePlatform platform;
        Program program(platform);
        GameSummary summary;
        fill(summary, 3, QStringLiteral("Three"));
        QString slot = QStringLiteral("earlier.txt");
        QVERIFY(!openReport(program.platform, program.dialogs, summary, slot));
        QCOMPARE(slot, QStringLiteral("earlier.txt"));
        QCOMPARE(summary.shownRowCount(), 3);
    }
};

QTEST_MAIN(TestReportCommands)
#include "tst_reportcommands.moc"
