#include <QMenu>
#include <QProcess>
#include <QTimer>

#include "help/helpintro.h"
#include "gamedriver.h"
#include "version.h"

// Every start runs in a fresh working directory, where the settings file lives.
class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(workDir.enter());
    }

    void displayWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("starts");
        QTest::addColumn<double>("scale");
        QTest::addColumn<double>("fontScale");
        QTest::addColumn<bool>("smallPictures");
        QTest::newRow("799 refused") << 799 << false << 0.0 << 0.0 << false;
        QTest::newRow("800 small") << 800 << true << 0.78 << 0.61 << true;
        QTest::newRow("1023 small") << 1023 << true << 0.78 << 0.61 << true;
        QTest::newRow("1024 wide") << 1024 << true << 1.0 << 0.78 << false;
        QTest::newRow("1280 wide") << 1280 << true << 1.0 << 0.78 << false;
    }

    void displayWidth()
    {
        QFETCH(int, width);
        QFETCH(bool, starts);
        QFETCH(double, scale);
        QFETCH(double, fontScale);
        QFETCH(bool, smallPictures);

        FakePlatform platform;
        platform.screen = QSize(width, 600); // only the width is tested
        auto program = startProgram(platform);
        QCOMPARE(bool(program), starts);
        if (!starts) {
            QCOMPARE(platform.exitCount, 1);
            QCOMPARE(platform.messages.size(), 1);
            QCOMPARE(platform.messages[0].text,
                     QStringLiteral("Minimum display size is 800 x 600. Reset display properties an restart the program."));
            QCOMPARE(platform.messages[0].buttons, Platform::Buttons::Ok);
            return;
        }
        QCOMPARE(platform.exitCount, 0);
        QCOMPARE(program->screenScale, scale);
        QCOMPARE(program->fontScale, fontScale);
        QCOMPARE(program->pictures.small, smallPictures);
        QCOMPARE(program->frmProgram()->size(), QSize(width, 600));
        QCOMPARE(program->frmProgram()->windowTitle(), QStringLiteral("Sumdrop ") + versionLabel());
    }

    void placements_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        // Scaled controls at their design numbers, and at 78 percent rounded.
        QTest::newRow("imgCard wide") << 1024 << "imgCard" << QRect(539, 100, 390, 555);
        QTest::newRow("picTopUnits wide") << 1024 << "picTopUnits" << QRect(782, 110, 125, 172);
        QTest::newRow("picTopTens wide") << 1024 << "picTopTens" << QRect(657, 110, 125, 172);
        QTest::newRow("picBotUnits wide") << 1024 << "picBotUnits" << QRect(782, 285, 125, 172);
        QTest::newRow("picBotTens wide") << 1024 << "picBotTens" << QRect(657, 285, 125, 172);
        QTest::newRow("picSign wide") << 1024 << "picSign" << QRect(548, 293, 109, 165);
        QTest::newRow("txtAnswerUnits wide") << 1024 << "txtAnswerUnits" << QRect(780, 498, 97, 97);
        QTest::newRow("txtAnswerTens wide") << 1024 << "txtAnswerTens" << QRect(675, 498, 97, 97);
        QTest::newRow("txtAnswerHund wide") << 1024 << "txtAnswerHund" << QRect(570, 498, 97, 97);
        QTest::newRow("txtAnswerSingle wide") << 1024 << "txtAnswerSingle" << QRect(620, 498, 270, 118);
        QTest::newRow("txtCarry wide") << 1024 << "txtCarry" << QRect(670, 10, 80, 60);
        QTest::newRow("txtCarry1 wide") << 1024 << "txtCarry1" << QRect(570, 10, 80, 60);
        QTest::newRow("frmKeypad wide") << 1024 << "frmKeypad" << QRect(250, 420, 217, 178);
        QTest::newRow("imgCard small") << 800 << "imgCard" << QRect(420, 78, 304, 433);
        QTest::newRow("picTopUnits small") << 800 << "picTopUnits" << QRect(610, 86, 98, 134);
        QTest::newRow("picSign small") << 800 << "picSign" << QRect(427, 229, 85, 129);
        QTest::newRow("txtAnswerSingle small") << 800 << "txtAnswerSingle" << QRect(484, 388, 211, 92);
        QTest::newRow("txtCarry small") << 800 << "txtCarry" << QRect(523, 8, 62, 47);
        QTest::newRow("frmKeypad small, below the previous card") << 800 << "frmKeypad" << QRect(195, 357, 217, 178);
        // Fixed controls stay put at every scale.
        for (int width : {800, 1024}) {
            const QByteArray suffix = width == 800 ? " small" : " wide";
            QTest::newRow("tbsOne" + suffix) << width << "tbsOne" << QRect(16, 112, 400, 420);
            QTest::newRow("imgEnter" + suffix) << width << "imgEnter" << QRect(40, 402, 160, 44);
            QTest::newRow("imgWrongEnter" + suffix) << width << "imgWrongEnter" << QRect(40, 452, 160, 44);
            QTest::newRow("imgPrevious" + suffix) << width << "imgPrevious" << QRect(40, 240, 330, 110);
            QTest::newRow("imgRightWrong" + suffix) << width << "imgRightWrong" << QRect(70, 270, 72, 72);
            QTest::newRow("imgTotalTime" + suffix) << width << "imgTotalTime" << QRect(40, 150, 120, 40);
            QTest::newRow("imgCardTime" + suffix) << width << "imgCardTime" << QRect(200, 150, 120, 40);
        }
    }

    void placements()
    {
        QFETCH(int, width);
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        FakePlatform platform;
        platform.screen = QSize(width, 768);
        auto program = startProgram(platform);
        QVERIFY(program);
        auto *widget = program->frmProgram()->findChild<QWidget *>(name);
        QVERIFY2(widget, qPrintable(name));
        QCOMPARE(widget->geometry(), geometry);
    }

    void fixedTopLeftAtEveryScale_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("place");
        QTest::newRow("banner") << "imgBanner" << QPoint(0, 0);
        QTest::newRow("game time") << "txtTotalTime" << QPoint(70, 195);
        QTest::newRow("card time") << "txtCardTime" << QPoint(230, 195);
        QTest::newRow("previous text") << "lblPrevious" << QPoint(120, 290);
    }

    void fixedTopLeftAtEveryScale()
    {
        QFETCH(QString, name);
        QFETCH(QPoint, place);
        for (int width : {800, 1280}) {
            FakePlatform platform;
            platform.screen = QSize(width, 1024);
            auto program = startProgram(platform);
            QCOMPARE(program->frmProgram()->findChild<QWidget *>(name)->pos(), place);
        }
    }

    void startStates()
    {
        FakePlatform platform;
        auto program = startProgram(platform);
        MainWindow *window = program->frmProgram();
        QVERIFY(window->isVisible());
        QCOMPARE(window->client->palette().color(QPalette::Window), QColor(128, 0, 0));
        for (const char *hidden : {"frmKeypad", "imgEnter", "imgWrongEnter", "imgPrevious", "imgRightWrong",
                                   "lblPrevious", "imgTotalTime", "imgCardTime", "picBotHunds", "txtTotalTime", "txtCardTime"})
            QVERIFY2(window->findChild<QWidget *>(hidden)->isHidden(), hidden);
        QVERIFY(window->board->keypad->key[10]->isHidden());
        QVERIFY(window->board->keypad->key[11]->isHidden());
        for (const char *disabled : {"txtAnswerUnits", "txtAnswerTens", "txtAnswerHund"})
            QVERIFY2(!window->findChild<QLineEdit *>(disabled)->isEnabled(), disabled);
        QVERIFY(window->findChild<QLineEdit *>("txtCarry")->text().isEmpty());
        QVERIFY(window->findChild<QLineEdit *>("txtCarry1")->text().isEmpty());
        QVERIFY(window->board->lblCardReport->isVisible());
        QCOMPARE(window->board->lblCardReport->text(), QStringLiteral("Card Counter"));
        QCOMPARE(program->session.state, qint16(0));
        QCOMPARE(program->entry.idleEntryColour, QColor(0, 0, 255));
        QCOMPARE(program->summary.resultLine(), QStringLiteral("No game to display."));
        QCOMPARE(program->summary.shownRowCount(), 0);
        QVERIFY(!window->mnuPrevious->isEnabled());
        QCOMPARE(window->board->Timer1->interval(), 1000);
        QVERIFY(!window->board->Timer1->isActive());
        // The window icon follows the window's first paint.
        QTRY_COMPARE(window->windowIcon().availableSizes(), QList<QSize>{QSize(256, 256)});
    }

    void menuBar()
    {
        FakePlatform platform;
        auto program = startProgram(platform);
        const auto captions = [&](const char *menu) {
            QStringList list;
            for (QAction *action : program->frmProgram()->findChild<QMenu *>(menu)->actions())
                list << action->objectName() + QLatin1Char('=') + action->text();
            return list;
        };
        const QString line(20, QLatin1Char('_'));
        QCOMPARE(captions("mnuFile"), (QStringList{"mnuSavedGame=Open Saved Game Report", "mnuProgress=Progress...",
                                                   "separator=" + line, "mnuQuit=Quit"}));
        QCOMPARE(captions("mnuOptions"),
                 (QStringList{"mnuWorksheet=Print Worksheet", "mnuToolTips=Enable Tool Tips",
                              "mnuAdvanced=Advanced Set Up", "mnuBasic=Basic Set Up", "mnuSetup=Hide Setup Tabs",
                              "mnuPrevious=View Previous Game Summary", "mnuZoom=Fit to Screen",
                              "mnuWeakWorksheet=Print Weak Facts Worksheet", "mnuReprint=Reprint Worksheet...",
                              "mnuAnswerKey=Print Answer Key With Worksheets",
                              "mnuPreview=Preview Before Printing", "mnuLock=Lock Setup...",
                              "mnuClassServer=Class Server..."}));
        QCOMPARE(captions("mnuHelp"), (QStringList{"mnuContents=Instructions...", "mnuAbout=About",
                                                   "mnuSpacer1=" + line, "mnuWeb=Sumdrop On The Web"}));
    }

    void introductionHelp_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("shown");
        QTest::newRow("no file") << QByteArray() << true;
        QByteArray skip;
        for (int line = 1; line <= 25; ++line)
            skip += line == 1 ? "10\r\n" : line == 25 ? "1\r\n" : line >= 10 && line <= 17 ? "1\r\n" : "0\r\n";
        QTest::newRow("switched off") << skip << false;
    }

    void introductionHelp()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, shown);
        if (!file.isEmpty()) {
            QFile ini(QStringLiteral("sumdrop.ini"));
            QVERIFY(ini.open(QIODevice::WriteOnly));
            ini.write(file);
        }
        FakePlatform platform;
        auto program = startProgram(platform);
        HelpIntro *intro = program->frmHelpIntro();
        QCOMPARE(intro->isVisible(), shown);
        QCOMPARE(intro->chkStartupHelp->isChecked(), !shown);
        QCOMPARE(program->frmProgram()->isEnabled(), !shown);
        if (shown) {
            QTest::mouseClick(intro->Command1, Qt::LeftButton);
            QVERIFY(!intro->isVisible());
            QVERIFY(program->frmProgram()->isEnabled());
        }
    }

    // Answered where there is no display at all, as over a remote shell.
    void commandLineWithoutDisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("printed");
        QTest::addColumn<QString>("warned");
        QTest::newRow("help") << QStringList{"--help"} << "Arithmetic flash cards for children." << QString();
        QTest::newRow("version") << QStringList{"--version"} << QString::fromLatin1(sumdropVersion) << QString();
        QTest::newRow("German help") << QStringList{"--lang", "de", "--help"} << "Rechenkarten für Kinder."
                                     << QString();
        QTest::newRow("Spanish help, short") << QStringList{"--lang=es", "-h"} << "Tarjetas de cálculo para niños."
                                             << QString();
        QTest::newRow("unknown language names the codes")
            << QStringList{"--lang", "xx", "--help"} << "Arithmetic flash cards for children." << "en, de, fr, es";
    }

    void commandLineWithoutDisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, printed);
        QFETCH(QString, warned);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(SUMDROP_PROGRAM), arguments);
        QVERIFY(program.waitForFinished(30000));
        const QString output = QString::fromUtf8(program.readAllStandardOutput());
        const QString errors = QString::fromUtf8(program.readAllStandardError());
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QVERIFY2(program.exitCode() == 0, qPrintable(errors));
        QVERIFY2(output.contains(printed), qPrintable(output));
        QVERIFY2(errors.contains(warned), qPrintable(errors));
    }

private:
    TestFolder workDir;
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
