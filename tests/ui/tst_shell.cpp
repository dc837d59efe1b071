#include <QGroupBox>
#include <QMenuBar>
#include <QPointer>
#include <QRadioButton>
#include <QSlider>
#include <QSignalSpy>

#include "help/aboutwindow.h"
#include "platform/product.h"
#include "help/helpintro.h"
#include "help/helptopic.h"
#include "app/shell.h"
#include "core/filesizelimit.h"
#include "history/progresswindow.h"
#include "platform/qtplatform.h"
#include "gamedriver.h"
#include "version.h"

namespace {

QByteArray readFile(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Names of the visible windows that would take a click or a key.
QStringList windowsAcceptingInput()
{
    QStringList names;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->isEnabled())
            names << window->objectName();
    names.sort();
    return names;
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

// Every start runs in a fresh working directory, where the settings file lives.
Q_DECLARE_METATYPE(Platform::Buttons)
Q_DECLARE_METATYPE(Platform::Answer)

class ShellTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(workDir.enter());
    }

    void cleanup()
    {
        flushDeletes();
        QCOMPARE(windowsAcceptingInput(), QStringList());
    }

    void closeBoxEndsWithoutSaving_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::newRow("no file") << QByteArray();
        QTest::newRow("file kept as it was") << QByteArray("25\r\n1\r\n1\r\n");
    }

    void closeBoxEndsWithoutSaving()
    {
        QFETCH(QByteArray, before);
        if (!before.isEmpty()) {
            QFile file(settingsFileName);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(before);
        }
        FakePlatform platform;
        auto program = startProgram(platform);
        closeIntroduction(*program);
        // An open About window must not keep the program alive either.
        program->frmProgram()->mnuAbout->trigger();
        program->frmProgram()->close();
        QCOMPARE(platform.exitCount, 1);
        QCOMPARE(QFile::exists(settingsFileName), !before.isEmpty());
        QCOMPARE(readFile(settingsFileName), before);
    }

    void quitThenStartRestoresSetup_data()
    {
        QTest::addColumn<bool>("changed");
        QTest::newRow("untouched first run") << false;
        QTest::newRow("every kind of control changed") << true;
    }

    void quitThenStartRestoresSetup()
    {
        QFETCH(bool, changed);
        SettingsRecord before;
        {
            FakePlatform platform;
            auto program = startProgram(platform);
            HelpIntro *intro = program->frmHelpIntro();
            SetupPanel *setup = program->frmProgram()->setup;
            if (changed) {
                intro->chkStartupHelp->setChecked(true);
                setup->chkAddition->setChecked(true);
                setup->chkDivision->setChecked(true);
                setup->chkTimer->setChecked(true);
                setup->chkCardCountDisp->setChecked(true);
                setup->chkKeypad->setChecked(true);
                setup->optAnsFormatSingle->setChecked(true);
                setup->sldCardAmt->setValue(45);
                setup->sldDivisor1->setValue(3);
                setup->sldDivisor2->setValue(7);
                setup->sldTop->setValue(12);
                setup->sldBot->setValue(9);
                program->frmProgram()->mnuAdvanced->trigger();
                setup->sldTopMin->setValue(5);
                setup->sldTopMax->setValue(60);
                setup->sldBotMin->setValue(2);
                setup->sldBotMax->setValue(11);
            }
            QTest::mouseClick(intro->Command1, Qt::LeftButton);
            before = setup->collectSettings(intro->chkStartupHelp->isChecked());
            program->frmProgram()->mnuQuit->trigger();
            QCOMPARE(platform.exitCount, 1);
        }
        if (!changed) {
            QByteArray firstRun = "10\r\n";
            for (const char *line : {"0", "0", "0", "0", "0", "0", "0", "0", "1", "1", "1", "1", "2", "2", "1", "1",
                                     "1", "0", "0", "0", "0", "0", "0", "0"})
                firstRun += QByteArray(line) + "\r\n";
            QCOMPARE(readFile(settingsFileName), firstRun);
        }
        FakePlatform platform;
        auto program = startProgram(platform);
        HelpIntro *intro = program->frmHelpIntro();
        QCOMPARE(intro->isVisible(), !changed);
        QCOMPARE(program->frmProgram()->setup->collectSettings(intro->chkStartupHelp->isChecked()), before);
        if (intro->isVisible())
            QTest::mouseClick(intro->Command1, Qt::LeftButton);
    }

    void quitTellsWhenSettingsCannotBeSaved()
    {
        const QByteArray earlier = "25\r\n1\r\n1\r\n";
        QFile file(settingsFileName);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(earlier);
        file.close();
        FakePlatform platform;
        auto program = startProgram(platform);
        closeIntroduction(*program);
        {
            const FileSizeLimit full(16);
            program->frmProgram()->mnuQuit->trigger();
        }
        QCOMPARE(platform.exitCount, 1);
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages[0].title, QStringLiteral("Sumdrop"));
        QVERIFY2(platform.messages[0].text.contains(QDir::current().absoluteFilePath(settingsFileName))
                     && platform.messages[0].text.contains(QStringLiteral("File too large")),
                 qPrintable(platform.messages[0].text));
        QCOMPARE(readFile(settingsFileName), earlier);
    }

    // Enter on a real box: "Stop Game?" must not say Yes, and a message that
    // comes up as a child answers is not dismissed by the child's next Enter.
    void enterOnARealBox_data()
    {
        QTest::addColumn<Platform::Buttons>("buttons");
        QTest::addColumn<bool>("closedByEnter");
        QTest::addColumn<Platform::Answer>("answer");
        QTest::newRow("Yes/No") << Platform::Buttons::YesNo << true << Platform::Answer::No;
        QTest::newRow("OK by click") << Platform::Buttons::OkByClick << false << Platform::Answer::Ok;
        QTest::newRow("Yes/No by click") << Platform::Buttons::YesNoByClick << false << Platform::Answer::No;
    }
    void enterOnARealBox()
    {
        QFETCH(Platform::Buttons, buttons);
        QFETCH(bool, closedByEnter);
        QFETCH(Platform::Answer, answer);
        QtPlatform platform;
        bool pressed = false;
        bool stayed = false;
        QTimer::singleShot(0, [&] {
            if (QWidget *box = QApplication::activeModalWidget()) {
                QTest::keyClick(box, Qt::Key_Return);
                pressed = true;
                stayed = QApplication::activeModalWidget() == box && box->isVisible();
                if (stayed)
                    QTest::keyClick(box, Qt::Key_Escape);
            }
        });
        QCOMPARE(platform.messageBox(QStringLiteral("Sumdrop"), QStringLiteral("Are you sure?"), buttons,
                                     Platform::Icon::None),
                 answer);
        QVERIFY(pressed);
        QCOMPARE(stayed, !closedByEnter);
    }

    // Enter in the list of names chooses nothing until a name is picked.
    void enterOnARealChoice()
    {
        QtPlatform platform;
        bool stayed = false;
        QTimer::singleShot(0, [&] {
            if (QWidget *box = QApplication::activeModalWidget()) {
                QWidget *inside = box->focusWidget() ? box->focusWidget() : box;
                QTest::keyClick(inside, Qt::Key_Return);
                stayed = QApplication::activeModalWidget() == box && box->isVisible();
                QTest::keyClick(inside, Qt::Key_Down);
                QTest::keyClick(inside, Qt::Key_Down);
                QTest::keyClick(inside, Qt::Key_Return);
            }
        });
        QCOMPARE(platform.chooseItem(QStringLiteral("Who is playing?"), QStringLiteral("Choose your name:"),
                                     {QStringLiteral("Ben"), QStringLiteral("Anna")}, QStringLiteral("Play without a name")),
                 std::optional<int>(1));
        QVERIFY(stayed);
    }

    void skipIntroductionSurvivesQuit()
    {
        {
            FakePlatform platform;
            auto program = startProgram(platform);
            HelpIntro *intro = program->frmHelpIntro();
            QVERIFY(intro->isVisible());
            QTest::mouseClick(intro->chkStartupHelp, Qt::LeftButton);
            QVERIFY(intro->chkStartupHelp->isChecked());
            QTest::mouseClick(intro->Command1, Qt::LeftButton);
            program->frmProgram()->mnuQuit->trigger();
            QCOMPARE(platform.exitCount, 1);
            QVERIFY(readFile(settingsFileName).endsWith("\r\n1\r\n"));
        }
        FakePlatform platform;
        auto program = startProgram(platform);
        HelpIntro *intro = program->frmHelpIntro();
        QVERIFY(!intro->isVisible());
        QVERIFY(program->frmProgram()->isEnabled());
        program->frmProgram()->mnuContents->trigger();
        QVERIFY(intro->isVisible());
        QVERIFY(intro->chkStartupHelp->isChecked());
        QVERIFY(!program->frmProgram()->isEnabled());
        QTest::mouseClick(intro->Command1, Qt::LeftButton);
        QVERIFY(program->frmProgram()->isEnabled());
    }

    void aboutEvents_data()
    {
        QTest::addColumn<int>("key");         // pressed when not 0
        QTest::addColumn<QString>("target");  // else the control clicked
        QTest::addColumn<QString>("outcome"); // destroyed, hidden or open
        QTest::addColumn<bool>("webPage");
        QTest::newRow("letter key") << int(Qt::Key_A) << "" << "destroyed" << false;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << "" << "destroyed" << false;
        QTest::newRow("Tab") << int(Qt::Key_Tab) << "" << "destroyed" << false;
        QTest::newRow("logo") << 0 << "Image1" << "destroyed" << false;
        QTest::newRow("maker") << 0 << "lblCompany" << "destroyed" << false;
        QTest::newRow("bare frame") << 0 << "Frame1" << "hidden" << false;
        QTest::newRow("link") << 0 << "Label2" << "open" << true;
        QTest::newRow("version line") << 0 << "lblVersion" << "open" << false;
        QTest::newRow("e-mail line") << 0 << "Label3" << "open" << false;
    }

    void aboutEvents()
    {
        QFETCH(int, key);
        QFETCH(QString, target);
        QFETCH(QString, outcome);
        QFETCH(bool, webPage);
        FakePlatform platform;
        auto program = startProgram(platform);
        closeIntroduction(*program);
        program->frmProgram()->mnuAbout->trigger();
        QPointer<AboutWindow> about = program->shell().frmSplash();
        QVERIFY(about && about->isVisible());
        QVERIFY(program->frmProgram()->isEnabled());
        QVERIFY(!QApplication::activeModalWidget());

        if (key) {
            QTest::keyClick(about, Qt::Key(key));
        } else {
            auto *control = about->findChild<QWidget *>(target);
            QVERIFY(control);
            // A corner of the frame is bare; the labels are clicked in their middle.
            const QPoint where = control == about->Frame1 ? QPoint(4, 4) : control->rect().center();
            QTest::mouseClick(control, Qt::LeftButton, {}, where);
        }
        flushDeletes();
        QCOMPARE(platform.urls.size(), webPage ? 1 : 0);
        QCOMPARE(!about, outcome == QLatin1String("destroyed"));
        if (about)
            QCOMPARE(about->isVisible(), outcome == QLatin1String("open"));

        // About again: the same window if it lives on, else a new one with its version line.
        program->frmProgram()->mnuAbout->trigger();
        AboutWindow *again = program->shell().frmSplash();
        QVERIFY(again && again->isVisible());
        if (about)
            QCOMPARE(again, about.data());
        QCOMPARE(again->lblVersion->text(), QStringLiteral("Version ") + QLatin1String(sumdropVersion));
        int shown = 0;
        for (QWidget *window : QApplication::topLevelWidgets())
            shown += window->objectName() == QLatin1String("frmSplash") && window->isVisible();
        QCOMPARE(shown, 1);
        again->close();
    }

    void webPage_data()
    {
        QTest::addColumn<bool>("fromAbout");
        QTest::addColumn<bool>("browserWorks");
        QTest::newRow("menu, browser starts") << false << true;
        QTest::newRow("menu, no browser") << false << false;
        QTest::newRow("About link, no browser") << true << false;
    }

    void webPage()
    {
        QFETCH(bool, fromAbout);
        QFETCH(bool, browserWorks);
        FakePlatform platform;
        platform.browserWorks = browserWorks;
        auto program = startProgram(platform);
        closeIntroduction(*program);
        if (fromAbout) {
            program->frmProgram()->mnuAbout->trigger();
            QTest::mouseClick(program->shell().frmSplash()->Label2, Qt::LeftButton);
            QVERIFY(program->shell().frmSplash()->isVisible());
            program->shell().frmSplash()->close();
        } else {
            program->frmProgram()->mnuWeb->trigger();
        }
        QCOMPARE(platform.urls, QList<QUrl>{QUrl(webAddress())});
        QCOMPARE(platform.messages.size(), browserWorks ? 0 : 1);
        if (!browserWorks) {
            QCOMPARE(platform.messages[0].title, QStringLiteral("Sumdrop"));
            QCOMPARE(platform.messages[0].text, QStringLiteral("Site Not Found, Check your Internet Connection."));
            QCOMPARE(platform.messages[0].buttons, Platform::Buttons::Ok);
        }
        QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void topicWindows_data()
    {
        QTest::addColumn<QString>("area");
        QTest::addColumn<HelpTopicId>("topic");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("title");
        QTest::newRow("Setup") << "Label3" << HelpTopicId::Setup << "frmHelpSetup" << "Help - General Setup";
        QTest::newRow("Number Range") << "Label6" << HelpTopicId::Level << "frmHelpLevel" << "Help - Number Range";
        QTest::newRow("Math Functions") << "Label7" << HelpTopicId::Functions << "frmHelpFunctions"
                                        << "Help - Math Functions";
        QTest::newRow("Answer Format") << "Label4" << HelpTopicId::Answer << "frmHelpAnswer"
                                       << "Help - Answer Input Format";
        QTest::newRow("Timer Options") << "Label5" << HelpTopicId::Timer << "frmHelpTimer" << "Help - Timer Options";
        QTest::newRow("Print Worksheets") << "Label9" << HelpTopicId::Worksheets << "frmHelpWorksheets"
                                          << "Help - Print Worksheets";
        QTest::newRow("Save Reports") << "Label10" << HelpTopicId::Save << "frmHelpSave" << "Help - Saving Results";
    }

    // Each heading opens its own window; Close, or the window's close box,
    // hands input back to the introduction. The window is made once.
    void topicWindows()
    {
        QFETCH(QString, area);
        QFETCH(HelpTopicId, topic);
        QFETCH(QString, window);
        QFETCH(QString, title);
        FakePlatform platform;
        auto program = startProgram(platform);
        HelpIntro *intro = program->frmHelpIntro();
        QCOMPARE(windowsAcceptingInput(), QStringList{"frmHelpIntro"});
        auto *click = intro->findChild<ClickLabel *>(area);
        QVERIFY(click);
        for (const QString &way : {QStringLiteral("Close"), QStringLiteral("close box"), QStringLiteral("Escape")}) {
            QTest::mouseClick(click, Qt::LeftButton);
            HelpTopic *opened = intro->topic(topic);
            QCOMPARE(opened->objectName(), window);
            QCOMPARE(opened->windowTitle(), title);
            QCOMPARE(windowsAcceptingInput(), QStringList{window});
            QVERIFY(intro->isVisible());
            QVERIFY(!program->frmProgram()->isEnabled());
            if (way == QLatin1String("Escape"))
                QTest::keyClick(opened, Qt::Key_Escape);
            else if (way == QLatin1String("close box"))
                opened->close();
            else
                QTest::mouseClick(opened->Command1, Qt::LeftButton);
            QVERIFY(!opened->isVisible());
            QCOMPARE(windowsAcceptingInput(), QStringList{"frmHelpIntro"});
        }
        int made = 0;
        for (QWidget *topLevel : QApplication::topLevelWidgets())
            made += topLevel->objectName() == window;
        QCOMPARE(made, 1);
        QTest::keyClick(intro, Qt::Key_Escape);
        QCOMPARE(windowsAcceptingInput(), QStringList{"frmProgram"});
    }

    void links_data()
    {
        QTest::addColumn<QString>("area");
        QTest::addColumn<HelpTopicId>("holder");
        QTest::addColumn<QString>("link");
        QTest::addColumn<HelpTopicId>("linked");
        QTest::newRow("Number Range to Advanced") << "Label6" << HelpTopicId::Level << "Label4" << HelpTopicId::RangeAdv;
        QTest::newRow("Answer Format to keypad") << "Label4" << HelpTopicId::Answer << "Label8" << HelpTopicId::Keypad;
    }

    // The linked window takes the holder's place; its Close returns to an
    // enabled introduction with the holder hidden, not waiting behind.
    void links()
    {
        QFETCH(QString, area);
        QFETCH(HelpTopicId, holder);
        QFETCH(QString, link);
        QFETCH(HelpTopicId, linked);
        FakePlatform platform;
        auto program = startProgram(platform);
        HelpIntro *intro = program->frmHelpIntro();
        QTest::mouseClick(intro->findChild<ClickLabel *>(area), Qt::LeftButton);
        HelpTopic *first = intro->topic(holder);
        QVERIFY(first->link);
        QCOMPARE(first->link->objectName(), link);
        QTest::mouseClick(first->link, Qt::LeftButton);
        HelpTopic *second = intro->topic(linked);
        QVERIFY(!first->isVisible());
        QCOMPARE(windowsAcceptingInput(), QStringList{second->objectName()});
        QVERIFY(!intro->isEnabled());

        QTest::mouseClick(second->Command1, Qt::LeftButton);
        QVERIFY(!second->isVisible());
        QVERIFY(!first->isVisible());
        QCOMPARE(windowsAcceptingInput(), QStringList{"frmHelpIntro"});
        QVERIFY(!program->frmProgram()->isEnabled());
    }

    // While help is up, clicks and keys on the main window do nothing.
    void mainWindowDeafWhileHelpOpen()
    {
        FakePlatform platform;
        auto program = startProgram(platform);
        MainWindow *window = program->frmProgram();
        HelpIntro *intro = program->frmHelpIntro();
        QSignalSpy start(window->board->cmdStart, &QPushButton::clicked);
        QSignalSpy key(window->board->keypad, &Keypad::digitOrArrowClicked);
        window->board->keypad->show();
        const auto poke = [&] {
            QTest::mouseClick(window->board->cmdStart, Qt::LeftButton);
            QTest::keyClick(window->board->cmdStart, Qt::Key_Space);
            QTest::mouseClick(window->board->keypad->key[5], Qt::LeftButton);
            QVERIFY(!window->isEnabled());
            QVERIFY(!window->menuBar()->isEnabled());
        };
        poke();
        QTest::mouseClick(intro->Label6, Qt::LeftButton);
        poke();
        QTest::mouseClick(intro->topic(HelpTopicId::Level)->link, Qt::LeftButton);
        poke();
        QCOMPARE(start.count(), 0);
        QCOMPARE(key.count(), 0);

        QTest::mouseClick(intro->topic(HelpTopicId::RangeAdv)->Command1, Qt::LeftButton);
        QTest::mouseClick(intro->Command1, Qt::LeftButton);
        QTest::mouseClick(window->board->keypad->key[5], Qt::LeftButton);
        QCOMPARE(key.count(), 1);
    }

    // The introduction's close box acts as Close, except while a topic is
    // open: closing it then would leave two help windows taking input.
    void introductionCloseBox()
    {
        FakePlatform platform;
        auto program = startProgram(platform);
        HelpIntro *intro = program->frmHelpIntro();
        QTest::mouseClick(intro->Label3, Qt::LeftButton);
        QVERIFY(!intro->close());
        QCOMPARE(windowsAcceptingInput(), QStringList{"frmHelpSetup"});
        QTest::mouseClick(intro->topic(HelpTopicId::Setup)->Command1, Qt::LeftButton);
        QVERIFY(intro->close());
        QCOMPARE(windowsAcceptingInput(), QStringList{"frmProgram"});
    }

    // The two rows of pictured headings: Answer Format and Timer Options at
    // the back, the other three in front, each area over its own heading.
    void tabHeadingAreas()
    {
        FakePlatform platform;
        auto program = startProgram(platform);
        HelpIntro *intro = program->frmHelpIntro();
        const QList<ClickLabel *> back{intro->Label4, intro->Label5};
        const QList<ClickLabel *> front{intro->Label3, intro->Label6, intro->Label7};
        QRegion covered;
        for (const QList<ClickLabel *> &row : {back, front}) {
            for (int i = 0; i < row.size(); ++i) {
                QCOMPARE(row[i]->parentWidget(), intro->Picture1);
                QVERIFY(intro->Picture1->rect().contains(row[i]->geometry()));
                QVERIFY(!covered.intersects(row[i]->geometry()));
                covered += row[i]->geometry();
                QCOMPARE(row[i]->y(), row[0]->y());
                if (i > 0)
                    QVERIFY(row[i]->x() > row[i - 1]->x());
            }
        }
        QVERIFY(back[0]->geometry().bottom() < front[0]->y());
        QTest::mouseClick(intro->Command1, Qt::LeftButton);
    }

    void pictures_data()
    {
        QTest::addColumn<HelpTopicId>("topic");
        QTest::addColumn<bool>("advanced");
        for (bool advanced : {false, true}) {
            const QByteArray mode = advanced ? ", Advanced mode" : ", Basic mode";
            QTest::newRow("Setup" + mode) << HelpTopicId::Setup << advanced;
            QTest::newRow("Number Range" + mode) << HelpTopicId::Level << advanced;
            QTest::newRow("Advanced range frames" + mode) << HelpTopicId::RangeAdv << advanced;
            QTest::newRow("Timer Options" + mode) << HelpTopicId::Timer << advanced;
            QTest::newRow("keypad" + mode) << HelpTopicId::Keypad << advanced;
        }
    }

    // Pictures are taken from the live controls when a window is first shown;
    // taking them leaves the main window exactly as it was.
    void pictures()
    {
        QFETCH(HelpTopicId, topic);
        QFETCH(bool, advanced);
        FakePlatform platform;
        auto program = startProgram(platform);
        MainWindow *window = program->frmProgram();
        SetupPanel *setup = window->setup;
        closeIntroduction(*program);
        if (advanced)
            window->mnuAdvanced->trigger();
        setup->setCurrentIndex(3);
        const auto frames = [setup] {
            return QList<bool>{!setup->frmTopDigits->isHidden(), !setup->frmBotDigits->isHidden(),
                               !setup->frmTopRange->isHidden(), !setup->frmBotRange->isHidden()};
        };
        const QList<bool> shownFrames = frames();
        QCOMPARE(shownFrames.first(), advanced);

        window->mnuContents->trigger();
        HelpTopic *help = program->frmHelpIntro()->topic(topic);
        QVERIFY(help->Picture1->pixmap().isNull());
        program->frmHelpIntro()->openTopic(topic);
        const QPixmap picture = help->Picture1->pixmap();
        QVERIFY(!picture.isNull());
        const QSize whole = topic == HelpTopicId::Keypad ? window->board->keypad->size() : setup->size();
        if (topic == HelpTopicId::RangeAdv)
            QVERIFY(picture.width() < whole.width() && picture.height() < whole.height() / 2 + 40);
        else // the whole panel, shrunk only to fit a small screen
            QCOMPARE(picture.size(), QSize(picture.width(), qRound(whole.height() * picture.width() / double(whole.width()))));
        QVERIFY(picture.width() <= whole.width());
        // Nothing is squeezed over the picture.
        QCOMPARE(help->Picture1->size(), picture.size());
        for (const QWidget *other : help->findChildren<QWidget *>())
            if (other != help->Picture1 && other->isVisible())
                QVERIFY2(!other->geometry().intersects(help->Picture1->geometry()), qPrintable(other->objectName()));

        QCOMPARE(setup->currentIndex(), 3);
        QCOMPARE(frames(), shownFrames);
        QVERIFY(!window->isEnabled());
        QCOMPARE(windowsAcceptingInput(), QStringList{help->objectName()});
        help->close();
        program->frmHelpIntro()->close();
    }

    // The Progress window's Help button, or F1 there, opens its own topic
    // over it; closing that leaves every window as it was.
    void progressHelp_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("Help button") << false;
        QTest::newRow("F1") << true;
    }
    void progressHelp()
    {
        QFETCH(bool, byKey);
        FakePlatform platform;
        auto program = startProgram(platform);
        closeIntroduction(*program);
        ProgressWindow &progress = program->frmProgress();
        progress.showProgress();
        progress.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&progress));
        if (byKey)
            QTest::keyClick(&progress, Qt::Key_F1);
        else
            QTest::mouseClick(progress.cmdProgressHelp, Qt::LeftButton);
        HelpTopic *help = program->frmHelpIntro()->topic(HelpTopicId::Progress);
        QVERIFY(help->isVisible());
        QCOMPARE(help->objectName(), QStringLiteral("frmHelpProgress"));
        QCOMPARE(help->windowTitle(), QStringLiteral("Help - Progress"));
        QVERIFY(!help->Picture1);
        QVERIFY(!program->frmHelpIntro()->isVisible());
        help->close();
        QVERIFY(progress.isVisible());
        QVERIFY(program->frmProgram()->isEnabled());
        QVERIFY(program->frmHelpIntro()->isEnabled());
    }

    void noPictureWindows()
    {
        FakePlatform platform;
        auto program = startProgram(platform);
        HelpIntro *intro = program->frmHelpIntro();
        for (HelpTopicId topic : {HelpTopicId::Worksheets, HelpTopicId::Save}) {
            intro->openTopic(topic);
            QVERIFY(!intro->topic(topic)->Picture1);
            intro->topic(topic)->close();
        }
        intro->close();
    }

private:
    void closeIntroduction(Program &program)
    {
        HelpIntro *intro = program.frmHelpIntro();
        if (intro->isVisible())
            QTest::mouseClick(intro->Command1, Qt::LeftButton);
        QVERIFY(program.frmProgram()->isEnabled());
    }

    TestFolder workDir;
};

QTEST_MAIN(ShellTest)
#include "tst_shell.moc"
