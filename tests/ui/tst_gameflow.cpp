#include <QAction>
#include <QMenu>
#include <QRadioButton>
#include <QSlider>

#include "report/gamesummary.h"
#include "ui/gamedriver.h"

namespace {

const QColor rightGreen(0, 128, 0);
const QColor wrongRed(128, 0, 0);

enum class Entry { Separate, Single, Verbal };

struct Card
{
    QString problem; // as the previous-card display shows it
    int answer;
};

QColor textColour(const QLabel *label)
{
    return label->palette().color(QPalette::WindowText);
}

} // namespace

// Whole games through the real widgets: Start, the deal, answers typed or
// marked, the score, the summary rows and Stop.
class GameFlowTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir home;

    // Forces card n of a game: the operations cycle + - x / when mixed.
    Card queueCard(GameDriver &driver, qint16 operation, int n)
    {
        const int a = 10 + n * 7 % 80; // 10..89
        const int b = 1 + n * 3 % 9;   // 1..9
        switch (operation) {
        case Operation::Subtraction:
            driver.queueSubtraction(a, b);
            return {QStringLiteral("%1 - %2 = %3").arg(a).arg(b).arg(a - b), a - b};
        case Operation::Multiplication:
            driver.queueMultiplication(a, b);
            return {QStringLiteral("%1 x %2 = %3").arg(a).arg(b).arg(a * b), a * b};
        case Operation::Division: {
            const int divisor = 2 + n % 8;
            const int quotient = 1 + n % 12;
            driver.queueDivision(divisor, quotient, 12);
            return {QStringLiteral("%1 / %2 = %3").arg(divisor * quotient).arg(divisor).arg(quotient), quotient};
        }
        default:
            driver.queueAddition(a, b);
            return {QStringLiteral("%1 + %2 = %3").arg(a).arg(b).arg(a + b), a + b};
        }
    }

    // Answers the card on show; a wrong typed answer is one more than right.
    void answer(GameDriver &driver, Entry entry, int value, bool right)
    {
        const int given = right ? value : value + 1;
        if (entry == Entry::Verbal) {
            driver.click(right ? static_cast<QWidget *>(driver.boxes().imgEnter)
                               : static_cast<QWidget *>(driver.boxes().imgWrongEnter));
        } else if (driver.session().entryMode == 1) {
            driver.typeSingle(QString::number(given));
        } else {
            driver.typeSeparate(given);
        }
    }

private slots:
    void init() { useEmptyHistory(home); }

    void wholeGames_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<bool>("addition");
        QTest::addColumn<bool>("subtraction");
        QTest::addColumn<bool>("multiplication");
        QTest::addColumn<bool>("division");
        QTest::addColumn<int>("operation"); // every card's, or 0 for the mixed cycle
        QTest::addColumn<QString>("name");
        QTest::newRow("separate boxes, addition") << int(Entry::Separate) << true << false << false << false << 15 << "Ann";
        QTest::newRow("separate boxes, multiplication") << int(Entry::Separate) << false << false << true << false << 17 << "";
        QTest::newRow("single box, subtraction") << int(Entry::Single) << false << true << false << false << 16 << "Bo";
        QTest::newRow("single box, all four") << int(Entry::Single) << true << true << true << true << 0 << "";
        QTest::newRow("separate boxes, all four") << int(Entry::Separate) << true << true << true << true << 0 << "";
        QTest::newRow("division only") << int(Entry::Separate) << false << false << false << true << 18 << "";
        QTest::newRow("verbal") << int(Entry::Verbal) << true << false << false << false << 15 << "";
        // A division card keeps its answer box in a supervised game; RIGHT still counts.
        QTest::newRow("verbal, all four") << int(Entry::Verbal) << true << true << true << true << 0 << "";
    }

    void wholeGames()
    {
        QFETCH(int, entry);
        QFETCH(bool, addition);
        QFETCH(bool, subtraction);
        QFETCH(bool, multiplication);
        QFETCH(bool, division);
        QFETCH(int, operation);
        QFETCH(QString, name);
        const Entry mode = Entry(entry);

        SettingsRecord setup = GameDriver::defaultSetup();
        setup.answerFormat = mode == Entry::Single ? 2 : 1;
        setup.verbalMode = mode == Entry::Verbal;
        setup.useAddition = addition;
        setup.useSubtraction = subtraction;
        setup.useMultiplication = multiplication;
        setup.useDivision = division;
        setup.soundsOn = true;
        GameDriver driver(setup);
        QVERIFY(driver.started());
        driver.setup().txtName->setText(name);
        driver.setup().chk12->setChecked(true);

        // Right, except cards 3, 6 and 9.
        const auto rightCard = [](int n) { return n % 3 != 0; };
        // Mixed code 19 picks x + / - for 1 2 3 4.
        const qint16 cycle[] = {Operation::Multiplication, Operation::Addition, Operation::Division,
                                Operation::Subtraction};
        QList<Card> cards;
        const auto deal = [&](int n) {
            qint16 op = qint16(operation);
            if (operation == 0) {
                op = cycle[(n - 1) % 4];
                driver.queue({GameDriver::pick((n - 1) % 4 + 1, 4)});
            }
            cards.append(queueCard(driver, op, n));
        };
        deal(1);
        driver.clickStart();
        QCOMPARE(driver.session().state, qint16(1));
        QVERIFY(driver.setup().isHidden());
        QVERIFY(!driver.window()->mnuOptions->menuAction()->isEnabled());
        QVERIFY(!driver.window()->mnuSavedGame->isEnabled());
        for (int n = 1; n <= 10; ++n) {
            QCOMPARE(driver.window()->board->lblCardReport->text(), QStringLiteral("Card %1 of 10").arg(n));
            QCOMPARE(driver.session().cardNumber, double(n));
            const Card card = cards.last();
            if (n < 10)
                deal(n + 1);
            answer(driver, mode, card.answer, rightCard(n));
            if (n == 10)
                break;
            QCOMPARE(driver.feedback().lblPrevious->text(), card.problem);
            QCOMPARE(textColour(driver.feedback().lblPrevious), rightCard(n) ? rightGreen : wrongRed);
            QVERIFY(driver.feedback().lblPrevious->isVisible());
            QVERIFY(driver.feedback().imgRightWrong->isVisible());
            // Typed answers come back to the units box for the next card.
            if (driver.session().entryMode == 0)
                QCOMPARE(driver.focused(), driver.boxes().txtAnswerUnits);
        }

        QCOMPARE(driver.platform.messages.size(), 1);
        QCOMPARE(driver.platform.messages[0].title, QStringLiteral("Game Complete"));
        QCOMPARE(driver.platform.messages[0].text, QStringLiteral("You got 7 right out of 10. That's a score of 70%"));
        QCOMPARE(driver.platform.messages[0].buttons, Platform::Buttons::OkCancel);
        const QString results = name.isEmpty() ? QString() : QStringLiteral("Results for: ") + name;
        QCOMPARE(driver.program->summary.resultLine(),
                 results + QStringLiteral("   Date: 12/8/2026     You got 7 right out of 10. That's a score of 70%"));
        QCOMPARE(driver.session().state, qint16(0));
        QCOMPARE(driver.session().rightCount, qint16(0));
        QCOMPARE(driver.session().cardNumber, 11.0);

        const GameSummary &summary = driver.program->summary;
        QCOMPARE(summary.shownRowCount(), 10);
        QStringList sounds;
        for (int n = 1; n <= 10; ++n) {
            const SummaryRow row = summary.row(n + 1);
            QCOMPARE(row.problem, cards[n - 1].problem);
            QCOMPARE(row.wrong, !rightCard(n));
            // A supervisor's mark has no answer of the child's to show.
            const QString given = QString::number(rightCard(n) ? cards[n - 1].answer : cards[n - 1].answer + 1);
            QCOMPARE(row.answer, mode == Entry::Verbal ? QString() : given);
            QVERIFY(!row.timeShown);
            if (mode != Entry::Verbal)
                sounds << (rightCard(n) ? QStringLiteral("cool.wav") : QStringLiteral("error.wav"));
            else if (rightCard(n))
                sounds << QStringLiteral("cool.wav");
        }
        QCOMPARE(driver.platform.sounds, sounds);

        // Back to idle: the boxes and buttons are gone, Start reads Start again.
        for (QWidget *gone : std::initializer_list<QWidget *>{
                 driver.boxes().txtAnswerSingle, driver.boxes().txtAnswerUnits, driver.boxes().imgEnter,
                 driver.boxes().imgWrongEnter, driver.card().imgDivBox, driver.feedback().imgRightWrong})
            QVERIFY2(gone->isHidden(), qPrintable(gone->objectName()));
        QVERIFY(driver.setup().isVisible());
        QVERIFY(driver.window()->mnuOptions->menuAction()->isEnabled());
        QVERIFY(driver.window()->mnuSavedGame->isEnabled());
        QVERIFY(driver.window()->mnuPrevious->isEnabled());
        QCOMPARE(driver.window()->board->lblCardReport->text(), QStringLiteral("Card Counter"));
        QVERIFY(!driver.window()->board->Timer1->isActive());
        QCOMPARE(driver.session().cardOperation, Operation::Addition);
    }

    void scores_data()
    {
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("result");
        QTest::newRow("7 of 10") << 7 << 10 << "70" << "70";
        QTest::newRow("20 of 30") << 20 << 30 << "66.6666666666667" << "67";
        QTest::newRow("5 of 40, half to even below") << 5 << 40 << "12.5" << "12";
        QTest::newRow("35 of 40, half to even above") << 35 << 40 << "87.5" << "88";
        QTest::newRow("none") << 0 << 10 << "0" << "0";
        QTest::newRow("all") << 10 << 10 << "100" << "100";
    }

    void scores()
    {
        QFETCH(int, right);
        QFETCH(int, count);
        QFETCH(QString, message);
        QFETCH(QString, result);
        SettingsRecord setup = GameDriver::defaultSetup();
        setup.cardCount = count;
        GameDriver driver(setup);
        QVERIFY(driver.started());
        QCOMPARE(driver.program->settings.cardCount, count);
        for (int n = 1; n <= count; ++n)
            driver.queueAddition(n, 1);
        driver.clickStart();
        for (int n = 1; n <= count; ++n)
            driver.typeSeparate(n <= right ? n + 1 : 0);
        const QString sentence = QStringLiteral("You got %1 right out of %2. That's a score of ").arg(right).arg(count);
        QCOMPARE(driver.platform.messages.size(), 1);
        QCOMPARE(driver.platform.messages[0].text, sentence + message + QLatin1Char('%'));
        QVERIFY(driver.program->summary.resultLine().endsWith(QStringLiteral("     ") + sentence + result
                                                               + QLatin1Char('%')));
        QCOMPARE(driver.session().scoreLine, QStringLiteral("     ") + sentence + result + QLatin1Char('%'));
    }

    void startWithoutOperation_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("begins");
        QTest::newRow("OK plays addition") << int(Platform::Answer::Ok) << true;
        QTest::newRow("Cancel goes back to the setup") << int(Platform::Answer::Cancel) << false;
    }

    void startWithoutOperation()
    {
        QFETCH(int, answer);
        QFETCH(bool, begins);
        SettingsRecord setup = GameDriver::defaultSetup();
        setup.useAddition = false;
        GameDriver driver(setup);
        QVERIFY(driver.started());
        driver.platform.answers.push_back(Platform::Answer(answer));
        driver.queueAddition(12, 7);
        driver.clickStart();
        QCOMPARE(driver.platform.messages.size(), 1);
        QCOMPARE(driver.platform.messages[0].title, QStringLiteral("No Math Function Selected!"));
        QCOMPARE(driver.platform.messages[0].text,
                 QStringLiteral("You did not select a Math Function.\r\nClick OK to do Addition Only or CANCEL to "
                                "got to setup"));
        QCOMPARE(driver.platform.messages[0].buttons, Platform::Buttons::OkCancel);
        QCOMPARE(driver.setup().chkAddition->isChecked(), begins);
        QCOMPARE(driver.session().state, qint16(begins ? 1 : 0));
        QCOMPARE(driver.setup().isVisible(), !begins);
        if (begins) {
            QCOMPARE(driver.session().functionSet, FunctionSet(15));
            QCOMPARE(driver.session().answer, 19.0);
        }
    }

    void gamesThatCannotDeal_data()
    {
        QTest::addColumn<bool>("advanced");
        QTest::addColumn<bool>("addition");
        QTest::addColumn<int>("topLimit");
        QTest::addColumn<QList<double>>("draws"); // for every card
        QTest::addColumn<bool>("begins");
        QTest::newRow("subtraction with top limit 1") << false << false << 1 << QList<double>{} << false;
        QTest::newRow("subtraction with equal advanced ranges") << true << false << 99 << QList<double>{} << false;
        QTest::newRow("subtraction with top limit 2") << false << false << 2 << QList<double>{0.75, 0.25} << true;
        // Subtraction is picked and rejected, then addition is picked and dealt.
        QTest::newRow("mixed game deals its addition")
            << false << true << 1 << QList<double>{0.75, 0.5, 0.5, 0.25, 0.5, 0.5} << true;
    }

    void gamesThatCannotDeal()
    {
        QFETCH(bool, advanced);
        QFETCH(bool, addition);
        QFETCH(int, topLimit);
        QFETCH(QList<double>, draws);
        QFETCH(bool, begins);
        SettingsRecord setup = GameDriver::defaultSetup();
        setup.useAddition = addition;
        setup.useSubtraction = true;
        setup.advancedRange = advanced;
        setup.topLimit = topLimit;
        setup.topMin = setup.topMax = 5;
        setup.bottomMin = 5;
        setup.bottomMax = 9;
        GameDriver driver(setup);
        QVERIFY(driver.started());
        for (int n = 0; n < 10; ++n)
            driver.platform.queuedRandom.values.insert(driver.platform.queuedRandom.values.end(), draws.begin(),
                                                       draws.end());
        driver.clickStart();
        QCOMPARE(driver.session().state, qint16(begins ? 1 : 0));
        if (!begins) {
            QCOMPARE(driver.platform.messages.size(), 1);
            QCOMPARE(driver.platform.messages[0].title, QStringLiteral("Sumdrop"));
            QCOMPARE(driver.platform.messages[0].buttons, Platform::Buttons::Ok);
            QVERIFY(driver.platform.messages[0].text.contains(QStringLiteral("Number Range")));
            QVERIFY(driver.setup().isVisible());
            QCOMPARE(driver.window()->board->lblCardReport->text(), QStringLiteral("Card Counter"));
            return;
        }
        QVERIFY(driver.platform.messages.isEmpty());
        for (int n = 1; n <= 10; ++n) {
            QCOMPARE(driver.window()->board->lblCardReport->text(), QStringLiteral("Card %1 of 10").arg(n));
            QCOMPARE(driver.session().cardOperation, addition ? Operation::Addition : Operation::Subtraction);
            QVERIFY(driver.session().answer > 0);
            driver.typeSeparate(int(driver.session().answer));
        }
        QCOMPARE(driver.platform.messages.size(), 1);
        // Ten quick right answers to one fact master it: that is told after the score.
        QCOMPARE(driver.platform.messages[0].text.section(QStringLiteral("\r\n\r\n"), 0, 0),
                 QStringLiteral("You got 10 right out of 10. That's a score of 100%"));
    }

    void stop_data()
    {
        QTest::addColumn<int>("judged");
        QTest::addColumn<bool>("summaryOption");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("stops");
        QTest::newRow("after 4 cards, Yes") << 4 << false << int(Platform::Answer::Yes) << true;
        QTest::newRow("after 4 cards, No") << 4 << false << int(Platform::Answer::No) << false;
        QTest::newRow("before any card, Yes") << 0 << false << int(Platform::Answer::Yes) << true;
        QTest::newRow("after 4 cards with the summary, no question") << 4 << true << -1 << true;
        QTest::newRow("before any card with the summary") << 0 << true << -1 << true;
    }

    void stop()
    {
        QFETCH(int, judged);
        QFETCH(bool, summaryOption);
        QFETCH(int, answer);
        QFETCH(bool, stops);
        SettingsRecord setup = GameDriver::defaultSetup();
        setup.showSummary = summaryOption;
        GameDriver driver(setup);
        QVERIFY(driver.started());
        for (int n = 1; n <= 6; ++n)
            driver.queueAddition(20 + n, n);
        driver.clickStart();
        for (int n = 1; n <= judged; ++n)
            driver.typeSeparate(20 + 2 * n);
        if (answer >= 0)
            driver.platform.answers.push_back(Platform::Answer(answer));
        QTest::keyClick(driver.focused(), Qt::Key_3); // a digit typed before Stop
        const double top = driver.session().top;
        driver.clickStart();

        const QString sentence = QStringLiteral("You did not complete this game. You did %1 cards.").arg(judged);
        if (answer >= 0) {
            QCOMPARE(driver.platform.messages.size(), 1);
            QCOMPARE(driver.platform.messages[0].title, QStringLiteral("Stop Game?"));
            QCOMPARE(driver.platform.messages[0].text,
                     QStringLiteral("You did not complete this game. You did %1 cards out of 10.\r\nAre you sure you "
                                    "want to stop?")
                         .arg(judged));
            QCOMPARE(driver.platform.messages[0].buttons, Platform::Buttons::YesNo);
        } else {
            QVERIFY(driver.platform.messages.isEmpty());
        }
        QCOMPARE(driver.session().state, qint16(stops ? 0 : 1));
        QCOMPARE(driver.session().scoreLine, QStringLiteral("       ") + sentence);
        if (!stops) {
            // The game goes on exactly where it was.
            QCOMPARE(driver.session().cardNumber, double(judged + 1));
            QCOMPARE(driver.session().top, top);
            QCOMPARE(driver.boxes().txtAnswerUnits->text(), QStringLiteral("3"));
            QVERIFY(driver.boxes().txtAnswerUnits->isEnabled());
            // The keyboard is back where the next digit goes, and Enter cannot stop the game.
            QCOMPARE(driver.focused(), driver.boxes().txtAnswerTens);
            QTest::keyClick(driver.focused(), Qt::Key_2);
            QCOMPARE(driver.boxes().txtAnswerTens->text(), QStringLiteral("2"));
            QVERIFY(driver.window()->board->Timer1->isActive());
            QVERIFY(driver.setup().isHidden());
            QCOMPARE(driver.program->summary.resultLine(), QStringLiteral("No game to display."));
            return;
        }
        QCOMPARE(driver.program->summary.resultLine(), QStringLiteral("   Date: 12/8/2026") + driver.session().scoreLine);
        QCOMPARE(driver.program->summary.shownRowCount(), judged);
        QCOMPARE(driver.session().cardNumber, double(judged + 1));
        QVERIFY(driver.setup().isVisible());
    }

    // Only an answer judges a card: an Enter with no digit, and any key of
    // the keypad in a supervised game, leave the card and its clock alone.
    void entersThatDoNotJudge_data()
    {
        QTest::addColumn<bool>("single");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<bool>("verbal");
        QTest::newRow("Enter in the empty units box") << false << false << false;
        QTest::newRow("Enter in the empty single box") << true << false << false;
        QTest::newRow("keypad Enter, separate boxes") << false << true << false;
        QTest::newRow("keypad Enter, single box") << true << true << false;
        QTest::newRow("keypad in a verbal game") << false << true << true;
    }

    void entersThatDoNotJudge()
    {
        QFETCH(bool, single);
        QFETCH(bool, keypad);
        QFETCH(bool, verbal);
        SettingsRecord setup = GameDriver::defaultSetup();
        setup.answerFormat = single ? 2 : 1;
        setup.useKeypad = keypad;
        setup.verbalMode = verbal;
        setup.timerOn = true;
        setup.soundsOn = true;
        GameDriver driver(setup);
        QVERIFY(driver.started());
        driver.queueAddition(31, 6);
        driver.queueAddition(40, 2);
        driver.clickStart();
        QCOMPARE(driver.keypad().isVisible(), keypad && !verbal);
        for (int i = 0; i < 2; ++i) {
            if (keypad) {
                for (int digit = 0; digit <= 9; ++digit)
                    if (verbal)
                        emit driver.keypad().digitOrArrowClicked(digit);
                emit driver.keypad().enterClicked();
            } else {
                QTest::keyClick(driver.focused(), Qt::Key_Return);
            }
        }
        driver.game().timers().timerTick();
        QCOMPARE(driver.session().cardNumber, 1.0);
        QCOMPARE(driver.program->summary.shownRowCount(), 0);
        QVERIFY(driver.platform.sounds.isEmpty());
        QCOMPARE(driver.clocks().txtCardTime->text(), QStringLiteral("0:1"));
        if (verbal) {
            driver.click(driver.boxes().imgEnter);
        } else if (keypad) {
            emit driver.keypad().digitOrArrowClicked(7);
            emit driver.keypad().digitOrArrowClicked(3);
            emit driver.keypad().enterClicked();
        } else {
            answer(driver, single ? Entry::Single : Entry::Separate, 37, true);
        }
        QCOMPARE(driver.session().cardNumber, 2.0);
        QCOMPARE(driver.program->summary.shownRowCount(), 1);
    }

    void idleCardKeepsTheLastSign()
    {
        SettingsRecord setup = GameDriver::defaultSetup();
        setup.useAddition = false;
        setup.useSubtraction = true;
        GameDriver driver(setup);
        QVERIFY(driver.started());
        const QPixmap minus = driver.program->pictures.minus();
        driver.queueSubtraction(52, 17);
        driver.clickStart();
        QCOMPARE(driver.card().picTemp->pixmap().cacheKey(), driver.program->pictures.digit(2).cacheKey());
        QCOMPARE(driver.card().picTemp1->pixmap().cacheKey(), driver.program->pictures.digit(5).cacheKey());
        driver.clickStart(); // Stop, Yes
        QCOMPARE(driver.card().picSign->pixmap().cacheKey(), minus.cacheKey());
        for (QLabel *digit : {driver.card().picTopTens, driver.card().picTopUnits, driver.card().picBotTens,
                              driver.card().picBotUnits}) {
            QCOMPARE(digit->pixmap().cacheKey(), driver.program->pictures.digit(0).cacheKey());
            QVERIFY(digit->isVisible());
        }
        QVERIFY(driver.card().picBotHunds->isHidden());
    }
};

QTEST_MAIN(GameFlowTest)
#include "tst_gameflow.moc"
