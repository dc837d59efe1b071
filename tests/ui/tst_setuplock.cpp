#include <QAction>
#include <QComboBox>
#include <QSlider>
#include <QToolButton>

#include <functional>

#include "help/helpintro.h"
#include "setup/setuplock.h"
#include "history/historystore.h"
#include "history/progresswindow.h"
#include "history/trendchart.h"
#include "ui/gamedriver.h"

namespace {

const QString refusal = QStringLiteral("Ask a grown-up to unlock the setup.");

int refusals(const FakePlatform &platform)
{
    int told = 0;
    for (const FakePlatform::Message &message : platform.messages)
        told += message.text == refusal ? 1 : 0;
    return told;
}

// A game of Ann's, so that the Progress window has a child to forget.
void writeAnnsGame()
{
    HistoryStore store(HistoryStore::defaultPath());
    GameSetup setup;
    setup.child = QStringLiteral("Ann");
    setup.started = QDateTime(QDate(2026, 12, 7), QTime(9, 0));
    CardRecord card;
    card.operation = Operation::Addition;
    card.top = 2;
    card.bottom = 3;
    card.answer = card.given = 5;
    card.right = true;
    card.seconds = 2;
    card.judgedAt = setup.started.addSecs(60);
    qint64 game = 0;
    QVERIFY(store.recordCard(game, setup, card));
    QVERIFY(store.endGame(game, card.judgedAt, true));
}

} // namespace

// The parent's lock over the setup: what it holds, what stays open, and the PIN.
class SetupLockTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { writeAnnsGame(); }

    // Locked on one run and tried on the next; each try returns whether it acted.
    void lockedSetup_data()
    {
        QTest::addColumn<QString>("attempt");
        QTest::addColumn<bool>("refused");
        for (const char *locked : {"tick on the Setup tab", "slider key", "Advanced Set Up", "Hide Setup Tabs",
                                   "Fit to Screen", "Open Saved Game Report", "Forget This Child..."})
            QTest::newRow(locked) << locked << true;
        for (const char *open : {"name box", "Start and answer", "Instructions", "Progress and its time view"})
            QTest::newRow(open) << open << false;
    }
    void lockedSetup()
    {
        QFETCH(QString, attempt);
        QFETCH(bool, refused);
        QVariantMap kept;
        {
            GameDriver first;
            QVERIFY(first.started());
            first.platform.secrets = {QStringLiteral("2468"), QStringLiteral("2468")};
            first.window()->mnuLock->trigger();
            QCOMPARE(first.window()->mnuLock->text(), QStringLiteral("Unlock Setup..."));
            kept = first.platform.options;
        }
        GameDriver driver(GameDriver::defaultSetup(), QSize(1280, 1024), kept);
        QVERIFY(driver.started());
        MainWindow &window = *driver.window();
        SetupPanel &setup = driver.setup();
        QCOMPARE(window.mnuLock->text(), QStringLiteral("Unlock Setup..."));
        const std::map<QString, std::function<bool()>> attempts{
            {"tick on the Setup tab",
             [&] {
                 const bool before = setup.chkSounds->isChecked();
                 driver.click(setup.chkSounds);
                 return setup.chkSounds->isChecked() != before;
             }},
            {"slider key",
             [&] {
                 setup.setCurrentIndex(0);
                 const int before = setup.sldCardAmt->value();
                 QTest::keyClick(setup.sldCardAmt, Qt::Key_Right);
                 return setup.sldCardAmt->value() != before;
             }},
            {"Advanced Set Up",
             [&] {
                 window.mnuAdvanced->trigger();
                 return driver.program->settings.advancedRange;
             }},
            {"Hide Setup Tabs",
             [&] {
                 window.mnuSetup->trigger();
                 return setup.isHidden();
             }},
            {"Fit to Screen",
             [&] {
                 window.mnuZoom->trigger();
                 return window.zoomView != nullptr || window.mnuZoom->isChecked();
             }},
            {"Open Saved Game Report",
             [&] {
                 window.mnuSavedGame->trigger();
                 return !driver.platform.fileDialogs.isEmpty();
             }},
            {"Forget This Child...",
             [&] {
                 setup.txtName->setText(QStringLiteral("Ann"));
                 window.mnuProgress->trigger();
                 driver.platform.answers.push_back(Platform::Answer::No);
                 driver.click(driver.program->frmProgress().cmdForget);
                 return driver.platform.messages.last().text.startsWith(QStringLiteral("Forget everything"));
             }},
            {"name box",
             [&] {
                 QTest::keyClicks(setup.txtName, QStringLiteral("Bo"));
                 return setup.txtName->text().endsWith(QStringLiteral("Bo"));
             }},
            {"Start and answer",
             [&] {
                 driver.queueAddition(2, 3);
                 driver.clickStart();
                 driver.typeSeparate(5);
                 return driver.session().state == 1 && driver.session().rightCount == 1;
             }},
            {"Instructions",
             [&] {
                 window.mnuContents->trigger();
                 return driver.program->frmHelpIntro()->isVisible();
             }},
            {"Progress and its time view",
             [&] {
                 window.mnuProgress->trigger();
                 ProgressWindow &progress = driver.program->frmProgress();
                 driver.click(progress.optTime);
                 return progress.isVisible() && progress.picTime->isVisible() && !progress.picTrend->isVisible();
             }},
        };
        QCOMPARE(attempts.at(attempt)(), !refused);
        QCOMPARE(refusals(driver.platform), refused ? 1 : 0);
    }

    // Each step is the secrets typed at one use of the command, or "+ms" on the clock.
    void pin_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<QString>("told"); // the last message
        const QString lock = QStringLiteral("1357 1357");
        QTest::newRow("locked") << QStringList{lock} << true << "";
        QTest::newRow("cancelled") << QStringList{""} << false << "";
        QTest::newRow("three digits") << QStringList{"135"} << false
                                      << "The PIN must be four digits. The setup is not locked.";
        QTest::newRow("a letter") << QStringList{"13a7"} << false << "The PIN must be four digits. The setup is not locked.";
        QTest::newRow("five digits") << QStringList{"13579"} << false
                                     << "The PIN must be four digits. The setup is not locked.";
        QTest::newRow("confirmed wrong") << QStringList{"1357 1358"} << false
                                         << "The two PINs differ. The setup is not locked.";
        QTest::newRow("unlocked by the PIN") << QStringList{lock, "1357"} << false << "";
        QTest::newRow("a wrong PIN") << QStringList{lock, "7531"} << true << "That is not the PIN.";
        QTest::newRow("unlocking cancelled") << QStringList{lock, ""} << true << "";
        const QStringList threeWrong{lock, "0000", "1111", "2222"};
        QTest::newRow("third wrong PIN") << threeWrong << true << "That is not the PIN. Try again in 30 s.";
        QTest::newRow("the right PIN too soon") << threeWrong + QStringList{"+29001", "1357"} << true
                                                << "Too many wrong PINs. Try again in 1 s.";
        QTest::newRow("the right PIN after the wait")
            << threeWrong + QStringList{"+29001", "1357", "+999", "1357"} << false << "Too many wrong PINs. Try again in 1 s.";
        QTest::newRow("a right PIN starts the count again")
            << QStringList{lock, "0000", "1111", "1357", lock, "2222"} << true << "That is not the PIN.";
    }
    void pin()
    {
        QFETCH(QStringList, steps);
        QFETCH(bool, locked);
        QFETCH(QString, told);
        GameDriver driver;
        QVERIFY(driver.started());
        for (const QString &step : steps) {
            if (step.startsWith(QLatin1Char('+'))) {
                driver.platform.monotonic += step.mid(1).toLongLong();
                continue;
            }
            for (const QString &secret : step.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                driver.platform.secrets.push_back(secret);
            driver.window()->mnuLock->trigger();
            driver.platform.secrets.clear(); // not asked for while waiting
        }
        QCOMPARE(driver.window()->lock->locked(), locked);
        QCOMPARE(driver.window()->mnuLock->text(), locked ? QStringLiteral("Unlock Setup...") : QStringLiteral("Lock Setup..."));
        QCOMPARE(driver.platform.messages.isEmpty() ? QString() : driver.platform.messages.last().text, told);
        // Nothing that would tell the PIN is kept.
        for (const QVariant &value : std::as_const(driver.platform.options))
            QVERIFY(!value.toString().contains(QStringLiteral("1357")));
    }
};

QTEST_MAIN(SetupLockTest)
#include "tst_setuplock.moc"
