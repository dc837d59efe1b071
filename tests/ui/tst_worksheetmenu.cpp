#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "app/helpintro.h"
#include "app/mainwindow.h"
#include "app/program.h"
#include "fakes/fakeplatform.h"
#include "setup/setuppanel.h"

// "Print Worksheet" reaches the printer with the setup as it stands.
class WorksheetMenuTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        workDir = std::make_unique<QTemporaryDir>();
        QDir::setCurrent(workDir->path());
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

private:
    std::unique_ptr<QTemporaryDir> workDir;
};

QTEST_MAIN(WorksheetMenuTest)
#include "tst_worksheetmenu.moc"
