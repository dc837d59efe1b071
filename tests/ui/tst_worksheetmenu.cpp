#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QProcess>
#include <QtTest>

#include "help/helpintro.h"
#include "gamedriver.h"
#include "history/historystore.h"
#include "platform/printrenderer.h"
#include "worksheet/worksheetprinting.h"

namespace {

// Ann's record: 3 + 4 needs work, 5 + 6 is being learned, 2 + 2 is mastered.
void recordAnnsFacts()
{
    HistoryStore store(HistoryStore::defaultPath());
    GameSetup setup;
    setup.child = QStringLiteral("Ann");
    setup.started = QDateTime(QDate(2026, 12, 1), QTime(9, 0), Qt::UTC);
    qint64 game = 0;
    const auto card = [&](int top, int bottom, bool right, double seconds) {
        CardRecord record;
        record.operation = Operation::Addition;
        record.top = top;
        record.bottom = bottom;
        record.answer = top + bottom;
        record.right = right;
        record.seconds = seconds;
        record.judgedAt = setup.started;
        QVERIFY(store.recordCard(game, setup, record));
    };
    card(3, 4, false, 2);
    card(5, 6, true, 9);
    for (int i = 0; i < 3; ++i)
        card(2, 2, true, 1);
}

QString textOf(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

// "Print Worksheet" reaches the printer with the setup as it stands.
class WorksheetMenuTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(workDir.enter());
    }

    void printsFromTheMenu_data()
    {
        QTest::addColumn<bool>("additionTicked");
        QTest::addColumn<QList<Platform::Answer>>("answers");
        QTest::addColumn<bool>("printAccepted");
        QTest::addColumn<int>("printed");
        QTest::addColumn<bool>("additionAfter");
        using A = Platform::Answer;
        QTest::newRow("confirmed") << true << QList<A>{A::Ok} << true << 1 << true;
        QTest::newRow("confirmation cancelled") << true << QList<A>{A::Cancel} << true << 0 << true;
        QTest::newRow("print dialog cancelled") << true << QList<A>{A::Ok} << false << 0 << true;
        QTest::newRow("nothing ticked, OK") << false << QList<A>{A::Ok, A::Ok} << true << 1 << true;
        QTest::newRow("nothing ticked, Cancel") << false << QList<A>{A::Cancel} << true << 0 << false;
    }

    void printsFromTheMenu()
    {
        QFETCH(bool, additionTicked);
        QFETCH(QList<Platform::Answer>, answers);
        QFETCH(bool, printAccepted);
        QFETCH(int, printed);
        QFETCH(bool, additionAfter);

        FakePlatform platform;
        platform.printAccepted = printAccepted;
        auto program = startProgram(platform);
        MainWindow *window = program->frmProgram();
        program->frmHelpIntro()->Command1->click();
        window->setup->chkAddition->setChecked(additionTicked);
        platform.messages.clear();
        for (Platform::Answer answer : answers)
            platform.answers.push_back(answer);

        window->mnuWorksheet->trigger();

        QCOMPARE(platform.printedFiles.size(), printed);
        QCOMPARE(window->setup->chkAddition->isChecked(), additionAfter);
        QVERIFY(window->mnuOptions->isEnabled());
        QVERIFY(window->mnuOptions->menuAction()->isEnabled());
        if (!additionTicked)
            QCOMPARE(platform.messages.value(0).title, QStringLiteral("No Math Function Selected!"));
        else
            QCOMPARE(platform.messages.value(0).title, QStringLiteral("Print Worksheet"));
    }

    // A teacher's round: a weak-fact sheet with its key through the preview,
    // the same sheet again by its number, and the numbers it does not know.
    void weakSheetsAndReprints()
    {
        GameDriver driver;
        QVERIFY(driver.started());
        MainWindow &window = *driver.window();
        FakePlatform &platform = driver.platform;
        driver.setup().txtName->setText(QStringLiteral("Ann"));
        emit window.mnuOptions->aboutToShow();
        QVERIFY(!window.mnuWeakWorksheet->isEnabled());

        recordAnnsFacts();
        emit window.mnuOptions->aboutToShow();
        QVERIFY(window.mnuWeakWorksheet->isEnabled());
        window.mnuAnswerKey->trigger();
        window.mnuPreview->trigger();
        QCOMPARE(platform.options.value(answerKeyOption()), QVariant(true));
        QCOMPARE(platform.options.value(printPreviewOption()), QVariant(true));

        platform.queuedRandom.values = {0.5}; // sheet 550000
        window.mnuWeakWorksheet->trigger();
        QCOMPARE(platform.printedFiles.size(), 1);
        QCOMPARE(platform.previews, 1);
        const std::optional<PrintedSheet> kept = HistoryStore(HistoryStore::defaultPath()).sheet(550000);
        QVERIFY(kept);
        QCOMPARE(kept->name, QStringLiteral("Ann"));
        QCOMPARE(kept->weakFacts.size(), 2); // not the mastered fact
        const QList<WorksheetProblem> problems = sheetProblems(*kept);
        QCOMPARE(problems.size(), 10);
        for (qsizetype i = 0; i < problems.size(); ++i) {
            QVERIFY(problems[i].answer == 7 || problems[i].answer == 11);
            QVERIFY(i == 0 || problems[i] != problems[i - 1]);
        }
        const QString first = textOf(platform.printedFiles[0]);
        QVERIFY(first.contains(QStringLiteral("Practice for: Ann")));
        QVERIFY(first.contains(QStringLiteral("Answer Key")));

        platform.numbers = {550000};
        window.mnuReprint->trigger();
        QCOMPARE(platform.printedFiles.size(), 2);
        QCOMPARE(textOf(platform.printedFiles[1]), first);

        platform.messages.clear();
        platform.numbers = {123456};
        window.mnuReprint->trigger();
        QCOMPARE(platform.printedFiles.size(), 2);
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY(platform.messages[0].text.contains(QStringLiteral("123456")));

        // Only the last hundred sheets are kept.
        HistoryStore store(HistoryStore::defaultPath());
        for (int number = 200000; number <= 200100; ++number)
            QVERIFY2(store.keepSheet({number, QString(), WorksheetSetup(), {}}), qPrintable(store.error()));
        QVERIFY(!store.sheet(550000));
        QVERIFY(!store.sheet(200000));
        QVERIFY(store.sheet(200001));

        // A child whose every fact is mastered gets a message and no sheet.
        driver.setup().txtName->setText(QStringLiteral("Nobody"));
        platform.messages.clear();
        window.mnuWeakWorksheet->trigger();
        QCOMPARE(platform.printedFiles.size(), 2);
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages[0].buttons, Platform::Buttons::Ok);
    }

    // A sheet is printed even where its number cannot be kept, and the
    // teacher is told that it cannot be printed again.
    void unkeptSheetIsReported()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        const QByteArray saved = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", blocker.fileName().toLocal8Bit() + "/data"); // a path under a file stops root too
        GameDriver driver;
        QVERIFY(driver.started());
        driver.platform.messages.clear();
        driver.window()->mnuWorksheet->trigger();
        qputenv("XDG_DATA_HOME", saved);
        QCOMPARE(driver.platform.printedFiles.size(), 1);
        QVERIFY(!driver.platform.messages.isEmpty());
        QVERIFY(driver.platform.messages.last().text.contains(QStringLiteral("cannot be kept for reprinting")));
    }

    // With the history off, a reprint says so rather than "no such sheet".
    void reprintWithTheHistoryOff()
    {
        const QString path = HistoryStore::defaultPath();
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile garbage(path);
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write(QByteArray(8192, 'x'));
        garbage.close();
        GameDriver driver;
        QVERIFY(driver.started());
        driver.platform.messages.clear();
        driver.platform.numbers = {123456};
        driver.window()->mnuReprint->trigger();
        QFile::remove(path);
        QCOMPARE(driver.platform.printedFiles.size(), 0);
        QStringList told;
        for (const FakePlatform::Message &message : driver.platform.messages)
            told.append(message.text);
        QVERIFY2(told.filter(QStringLiteral("cannot be looked up: the practice history is not in use")).size() == 1,
                 qPrintable(told.join(u'\n')));
        QVERIFY(told.filter(QStringLiteral("There is no worksheet number")).isEmpty());
    }

private:
    TestFolder workDir;
};

QTEST_MAIN(WorksheetMenuTest)
#include "tst_worksheetmenu.moc"
