#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// Plays the real program under a virtual X server with real input, then
// quits: every run must end at once with status 0, whether or not the sound
// player found an audio device or a runtime folder.
class QuitTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void quitAfterSounds_data();
    void quitAfterSounds();

private:
    // Runs one xdotool command line (words split at spaces) on the X server.
    bool xdotool(const QString &commands, QByteArray *output = nullptr);

    QProcess xserver;
    QString display;
};

void QuitTest::initTestCase()
{
    xserver.start(QStringLiteral("Xvfb"), QStringLiteral("-displayfd 1 -screen 0 1280x1024x24 -nolisten tcp").split(' '));
    QVERIFY2(xserver.waitForStarted(), "Xvfb is needed (tools/install-deps.sh installs it)");
    QVERIFY(xserver.waitForReadyRead(10000));
    display = QLatin1Char(':') + QString::fromLatin1(xserver.readLine().trimmed());
    QVERIFY2(xdotool(QStringLiteral("version")), "xdotool is needed (tools/install-deps.sh installs it)");
}

void QuitTest::cleanupTestCase()
{
    xserver.terminate();
    xserver.waitForFinished();
}

bool QuitTest::xdotool(const QString &commands, QByteArray *output)
{
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display);
    tool.setProcessEnvironment(environment);
    tool.start(QStringLiteral("xdotool"), commands.split(QLatin1Char(' ')));
    if (!tool.waitForFinished(10000)) {
        tool.kill();
        tool.waitForFinished();
        return false;
    }
    if (output)
        *output = tool.readAllStandardOutput().trimmed();
    return tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
}

void QuitTest::quitAfterSounds_data()
{
    QTest::addColumn<bool>("runtimeFolder");
    for (int run = 1; run <= 10; ++run) {
        QTest::addRow("with XDG_RUNTIME_DIR, run %d", run) << true;
        QTest::addRow("without XDG_RUNTIME_DIR, run %d", run) << false;
    }
}

void QuitTest::quitAfterSounds()
{
    QFETCH(bool, runtimeFolder);

    // Ten cards of 1 + 1 in the single box, sounds on, no introduction.
    QTemporaryDir work;
    QVERIFY(work.isValid());
    QFile ini(work.filePath(QStringLiteral("sumdrop.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("10\r\n1\r\n0\r\n0\r\n0\r\n0\r\n1\r\n0\r\n0\r\n1\r\n1\r\n1\r\n1\r\n2\r\n2\r\n1\r\n1\r\n2\r\n1\r\n1\r\n0\r\n0\r\n"
              "0\r\n1\r\n1\r\n");
    ini.close();

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    QTemporaryDir runtime;
    if (runtimeFolder)
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    else
        environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));

    QProcess program;
    program.setWorkingDirectory(work.path());
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QStringLiteral(SUMDROP_PROGRAM), {});
    QVERIFY(program.waitForStarted());
    const auto stop = qScopeGuard([&program] {
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished();
        }
    });

    QByteArray window;
    QVERIFY(xdotool(QStringLiteral("search --sync --onlyvisible --name ^Sumdrop"), &window));
    // Start, then right and wrong answers in turn.
    QString play = QStringLiteral("windowfocus --sync %1 mousemove --window %1 405 70 click 1 key");
    for (int card = 0; card < 10; ++card)
        play += card % 2 ? QStringLiteral(" 3 Return") : QStringLiteral(" 2 Return");
    QVERIFY(xdotool(play.arg(QString::fromLatin1(window))));
    QVERIFY(xdotool(QStringLiteral("search --sync --onlyvisible --name ^Game.Complete$")));
    QFile maps(QStringLiteral("/proc/%1/maps").arg(program.processId()));
    QVERIFY(maps.open(QIODevice::ReadOnly));
    QVERIFY2(maps.readAll().contains("libsumdrop_sound.so"), "no sound was played");

    // OK on "Game Complete", then File > Quit.
    QVERIFY(xdotool(QStringLiteral("key Return sleep 0.2 mousemove --window %1 20 10 click 1 sleep 0.2 key Up Return")
                        .arg(QString::fromLatin1(window))));
    QVERIFY2(program.waitForFinished(5000), "still running 5 s after Quit");
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
}

QTEST_GUILESS_MAIN(QuitTest)
#include "tst_quit.moc"
