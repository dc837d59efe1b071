#include <QTest>

#include "app/program.h"
#include "fakes/fakeplatform.h"
#include "worksheet/worksheetprinting.h"

namespace {

using Answers = QList<Platform::Answer>;

const QString printTitle = QStringLiteral("Print Worksheet");
const QString noFunctionTitle = QStringLiteral("No Math Function Selected!");

struct Recorder
{
    QList<bool> menu;
    int additionTicks = 0;

    WorksheetPrintHooks hooks()
    {
        return {[this](bool enabled) { menu.append(enabled); }, [this] { ++additionTicks; }, {}};
    }
};

} // namespace

class TestWorksheetPrinting : public QObject
{
    Q_OBJECT
private slots:
    void flow_data()
    {
        QTest::addColumn<QString>("ticked"); // a s m d
        QTest::addColumn<int>("minimum");
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<bool>("printAccepted");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<int>("additionTicks");
        QTest::addColumn<QList<bool>>("menu");
        QTest::addColumn<int>("printed");

        using A = Platform::Answer;
        QTest::newRow("printed") << "s" << 1 << Answers{A::Ok} << true << QStringList{printTitle} << 0
                                 << QList<bool>{false, true} << 1;
        QTest::newRow("confirmation cancelled") << "s" << 1 << Answers{A::Cancel} << true << QStringList{printTitle}
                                                << 0 << QList<bool>{} << 0;
        QTest::newRow("print dialog cancelled") << "s" << 1 << Answers{A::Ok} << false << QStringList{printTitle} << 0
                                                << QList<bool>{false, true} << 0;
        QTest::newRow("nothing ticked, OK") << "" << 1 << Answers{A::Ok, A::Ok} << true
                                            << QStringList{noFunctionTitle, printTitle} << 1 << QList<bool>{false, true}
                                            << 1;
        QTest::newRow("nothing ticked, Cancel") << "" << 1 << Answers{A::Cancel} << true
                                                << QStringList{noFunctionTitle} << 0 << QList<bool>{} << 0;
        QTest::newRow("every product over 999") << "m" << 32 << Answers{A::Ok, A::Ok} << true
                                                << QStringList{printTitle, printTitle} << 0 << QList<bool>{} << 0;
        QTest::newRow("one usable operation is enough") << "am" << 32 << Answers{A::Ok} << true
                                                        << QStringList{printTitle} << 0 << QList<bool>{false, true} << 1;
    }
    void flow()
    {
        QFETCH(QString, ticked);
        QFETCH(int, minimum);
        QFETCH(Answers, answers);
        QFETCH(bool, printAccepted);
        QFETCH(QStringList, titles);
        QFETCH(int, additionTicks);
        QFETCH(QList<bool>, menu);
        QFETCH(int, printed);

        FakePlatform platform;
        platform.answers.assign(answers.begin(), answers.end());
        platform.printAccepted = printAccepted;
        Program program(platform);
        WorksheetSetup setup;
        setup.addition = ticked.contains(u'a');
        setup.subtraction = ticked.contains(u's');
        setup.multiplication = ticked.contains(u'm');
        setup.division = ticked.contains(u'd');
        setup.advancedRange = true;
        setup.topMin = setup.bottomMin = minimum;
        setup.topMax = setup.bottomMax = 99;
        Recorder recorder;
        printWorksheet(program.platform, program.dialogs, setup, QString(), recorder.hooks());

        QStringList shown;
        for (const FakePlatform::Message &message : platform.messages)
            shown.append(message.title);
        QCOMPARE(shown, titles);
        QCOMPARE(recorder.additionTicks, additionTicks);
        QCOMPARE(recorder.menu, menu);
        QCOMPARE(platform.printedFiles.size(), printed);
        QVERIFY(!program.dialogs.questionOpen());
    }

    void messageTexts()
    {
        FakePlatform platform;
        platform.answers = {Platform::Answer::Ok, Platform::Answer::Cancel};
        Program program(platform);
        WorksheetSetup setup;
        setup.cardCount = 25;
        Recorder recorder;
        printWorksheet(program.platform, program.dialogs, setup, QString(), recorder.hooks());
        QCOMPARE(platform.messages.size(), 2);

        const FakePlatform::Message noFunction = platform.messages[0];
        QCOMPARE(noFunction.text, QStringLiteral("You did not select a Math Function.\r\n"
                                                 "Click OK to do Addition Only or CANCEL to got to setup"));
        QCOMPARE(noFunction.buttons, Platform::Buttons::OkCancel);

        const FakePlatform::Message confirm = platform.messages[1];
        QCOMPARE(confirm.title, printTitle);
        QCOMPARE(confirm.text,
                 QStringLiteral("The number of problems printed will be the number of cards set for the game. This "
                                "will print a 25 problem worksheet using the current game settings for math function "
                                "and number range.\r\n\r\nFor Multiplication, the botom numbers will contain 2 digits "
                                "per the RANGE settings\r\n\r\n\t"));
        QCOMPARE(confirm.buttons, Platform::Buttons::OkCancel);
        QCOMPARE(confirm.icon, Platform::Icon::Question);
    }

    void unusableRangesAreExplained()
    {
        FakePlatform platform;
        Program program(platform);
        WorksheetSetup setup;
        setup.multiplication = true;
        setup.advancedRange = true;
        setup.topMin = setup.bottomMin = 40;
        setup.topMax = setup.bottomMax = 60;
        Recorder recorder;
        printWorksheet(program.platform, program.dialogs, setup, QString(), recorder.hooks());
        QCOMPARE(platform.messages.size(), 2);
        QCOMPARE(platform.messages[1].buttons, Platform::Buttons::Ok);
        QVERIFY(platform.messages[1].text.contains(QStringLiteral("999")));
        QVERIFY(platform.printedFiles.isEmpty());
    }
};

QTEST_MAIN(TestWorksheetPrinting)
#include "tst_worksheetprinting.moc"
