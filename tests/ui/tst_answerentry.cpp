#include <QRadioButton>
#include <QSignalSpy>

#include "ui/gamedriver.h"

namespace {

const QColor green(0, 255, 0);
const QColor blue(0, 0, 255);

enum Box { Hund, Tens, Units };

} // namespace

// The answer boxes between games: what each key and click does to the boxes,
// the focus and the highlight. Enter's check has no card to judge here, so it
// is seen only as the submission.
class AnswerEntryTest : public QObject
{
    Q_OBJECT

private:
    QLineEdit *digitBox(GameDriver &driver, int box)
    {
        QLineEdit *const boxes[] = {driver.boxes().txtAnswerHund, driver.boxes().txtAnswerTens,
                                    driver.boxes().txtAnswerUnits};
        return boxes[box];
    }

    // "HTU": which of the three digit boxes show the active colour.
    QString activeBoxes(GameDriver &driver)
    {
        QString active;
        const char names[] = {'H', 'T', 'U'};
        for (int box : {Hund, Tens, Units}) {
            if (background(digitBox(driver, box)) == driver.program->entry.activeEntryColour)
                active += QLatin1Char(names[box]);
        }
        return active;
    }

    QString texts(GameDriver &driver)
    {
        return digitBox(driver, Hund)->text() + QLatin1Char('|') + digitBox(driver, Tens)->text()
             + QLatin1Char('|') + digitBox(driver, Units)->text();
    }

    // A card prepared with separate boxes and highlighting, then the given box
    // holding the focus and the highlight, as it would when a key reaches it.
    void prepare(GameDriver &driver, int box, int direction, const QString &hundreds)
    {
        driver.session().cardOperation = Operation::Addition;
        driver.game().entry().prepareAnswerArea();
        digitBox(driver, Hund)->setText(hundreds);
        digitBox(driver, Tens)->setText(QStringLiteral("5"));
        digitBox(driver, Units)->setText(QStringLiteral("6"));
        AnswerEntry &entry = driver.game().entry();
        for (int other : {Hund, Tens, Units})
            entry.makeIdle(digitBox(driver, other));
        entry.highlight(digitBox(driver, box));
        digitBox(driver, box)->setFocus();
        driver.program->entry.entryDirection = qint16(direction);
    }

private slots:
    void digitBoxKeys_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<int>("direction");
        QTest::addColumn<QString>("hundreds");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("texts"); // hundreds|tens|units afterwards
        QTest::addColumn<int>("focus");
        QTest::addColumn<QString>("active");
        QTest::addColumn<bool>("submitted");

        const int digit = Qt::Key_7;
        const int enter = Qt::Key_Return;
        const int backspace = Qt::Key_Backspace;
        const int del = Qt::Key_Delete; // code 127
        const int letter = Qt::Key_A;
        const QString four = QStringLiteral("4");

        QTest::newRow("units digit") << int(Units) << false << 0 << four << digit << "4|5|7" << int(Tens) << "T" << false;
        QTest::newRow("units enter") << int(Units) << false << 0 << four << enter << "4|5|6" << int(Tens) << "T" << true;
        QTest::newRow("units backspace") << int(Units) << false << 0 << four << backspace << "4|5| " << int(Units) << "U" << false;
        QTest::newRow("units 127") << int(Units) << false << 0 << four << del << "4|5| " << int(Units) << "U" << false;
        QTest::newRow("units letter") << int(Units) << false << 0 << four << letter << "4|5| " << int(Units) << "U" << false;
        QTest::newRow("units colon, just past 9") << int(Units) << false << 0 << four << int(Qt::Key_Colon) << "4|5| " << int(Units) << "U" << false;
        QTest::newRow("units slash, just before 0") << int(Units) << false << 0 << four << int(Qt::Key_Slash) << "4|5| " << int(Units) << "U" << false;
        QTest::newRow("units digit, keypad") << int(Units) << true << 0 << four << digit << "4|5| " << int(Units) << "U" << false;
        QTest::newRow("units enter, keypad") << int(Units) << true << 0 << four << enter << "4|5| " << int(Units) << "U" << false;
        QTest::newRow("units backspace, keypad") << int(Units) << true << 0 << four << backspace << "4|5| " << int(Units) << "U" << false;
        QTest::newRow("units letter, keypad") << int(Units) << true << 0 << four << letter << "4|5| " << int(Units) << "U" << false;

        QTest::newRow("tens digit") << int(Tens) << false << 0 << four << digit << "4|7|6" << int(Hund) << "H" << false;
        QTest::newRow("tens digit, tens first") << int(Tens) << false << 2 << four << digit << "4|7|6" << int(Hund) << "H" << false;
        QTest::newRow("tens digit, from hundreds") << int(Tens) << false << 1 << four << digit << "4|7|6" << int(Tens) << "" << false;
        QTest::newRow("tens enter") << int(Tens) << false << 0 << four << enter << "4|5|6" << int(Hund) << "H" << true;
        QTest::newRow("tens enter, from hundreds") << int(Tens) << false << 1 << four << enter << "4|5|6" << int(Tens) << "" << true;
        QTest::newRow("tens backspace") << int(Tens) << false << 0 << four << backspace << "4|5|6" << int(Units) << "U" << false;
        QTest::newRow("tens 127") << int(Tens) << false << 0 << four << del << "4|5|6" << int(Units) << "U" << false;
        QTest::newRow("tens backspace, from hundreds") << int(Tens) << false << 1 << four << backspace << "4|5|6" << int(Hund) << "H" << false;
        QTest::newRow("tens letter") << int(Tens) << false << 0 << four << letter << "4| |6" << int(Tens) << "T" << false;
        QTest::newRow("tens letter, from hundreds") << int(Tens) << false << 1 << four << letter << "4| |6" << int(Tens) << "T" << false;

        QTest::newRow("hundreds digit") << int(Hund) << false << 0 << four << digit << "7|5|6" << int(Hund) << "" << false;
        QTest::newRow("hundreds digit, from hundreds") << int(Hund) << false << 1 << four << digit << "7|5|6" << int(Tens) << "T" << false;
        QTest::newRow("hundreds enter") << int(Hund) << false << 0 << four << enter << "4|5|6" << int(Hund) << "" << true;
        QTest::newRow("hundreds backspace, filled") << int(Hund) << false << 0 << four << backspace << " |5|6" << int(Hund) << "H" << false;
        QTest::newRow("hundreds backspace, blank") << int(Hund) << false << 0 << " " << backspace << " | |6" << int(Tens) << "T" << false;
        QTest::newRow("hundreds 127, blank") << int(Hund) << false << 0 << " " << del << " | |6" << int(Tens) << "T" << false;
        // Only a single blank moves on: an empty box is blanked first.
        QTest::newRow("hundreds backspace, empty") << int(Hund) << false << 0 << "" << backspace << " |5|6" << int(Hund) << "H" << false;
        QTest::newRow("hundreds letter") << int(Hund) << false << 0 << four << letter << " |5|6" << int(Hund) << "H" << false;
    }

    void digitBoxKeys()
    {
        QFETCH(int, box);
        QFETCH(bool, keypad);
        QFETCH(int, direction);
        QFETCH(QString, hundreds);
        QFETCH(int, key);
        QFETCH(QString, texts);
        QFETCH(int, focus);
        QFETCH(QString, active);
        QFETCH(bool, submitted);

        GameDriver driver;
        QVERIFY(driver.started());
        prepare(driver, box, direction, hundreds);
        driver.setup().chkKeypad->setChecked(keypad);
        QSignalSpy submissions(&driver.game().entry(), &AnswerEntry::answerSubmitted);
        QTest::keyClick(digitBox(driver, box), Qt::Key(key));

        QCOMPARE(this->texts(driver), texts);
        QCOMPARE(driver.focused(), digitBox(driver, focus));
        QCOMPARE(activeBoxes(driver), active);
        QCOMPARE(submissions.size(), submitted ? 1 : 0);
        for (int b : {Hund, Tens, Units})
            QVERIFY(digitBox(driver, b)->text().size() <= 1);
    }

    void typedAnswerLandsUnitsFirst()
    {
        GameDriver driver;
        QVERIFY(driver.started());
        prepare(driver, Units, 0, QString());
        digitBox(driver, Tens)->clear();
        digitBox(driver, Units)->clear();
        QSignalSpy submissions(&driver.game().entry(), &AnswerEntry::answerSubmitted);
        QTest::keyClick(driver.focused(), Qt::Key_5);
        QTest::keyClick(driver.focused(), Qt::Key_2);
        QTest::keyClick(driver.focused(), Qt::Key_Return);
        QCOMPARE(texts(driver), QStringLiteral("|2|5"));
        QCOMPARE(driver.focused(), digitBox(driver, Hund));
        QCOMPARE(submissions.size(), 1);
    }

    void freeBoxes_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("submitted");
        QTest::newRow("single takes four digits") << "txtAnswerSingle" << false << "12a95" << "1295" << true;
        QTest::newRow("single without a digit does not submit") << "txtAnswerSingle" << false << "ab " << "" << false;
        QTest::newRow("single with the keypad does not submit") << "txtAnswerSingle" << true << "42" << "42" << false;
        QTest::newRow("first carry box submits") << "txtCarry" << false << "1x3" << "13" << true;
        QTest::newRow("first carry box submits with the keypad") << "txtCarry" << true << "1" << "1" << true;
        QTest::newRow("second carry box only types") << "txtCarry1" << false << "1-23" << "123" << false;
    }

    void freeBoxes()
    {
        QFETCH(QString, box);
        QFETCH(bool, keypad);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(bool, submitted);
        GameDriver driver;
        QVERIFY(driver.started());
        driver.setup().chkKeypad->setChecked(keypad);
        const bool single = box == QStringLiteral("txtAnswerSingle");
        driver.session().entryMode = single ? 1 : 0;
        // Enter in a carry box judges the answer below it, which needs a digit.
        driver.boxes().txtAnswerUnits->setText(single ? QString() : QStringLiteral("5"));
        auto *edit = driver.window()->findChild<QLineEdit *>(box);
        edit->setEnabled(true);
        edit->show();
        edit->clear();
        QSignalSpy submissions(&driver.game().entry(), &AnswerEntry::answerSubmitted);
        QTest::keyClicks(edit, typed);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(edit->text(), text);
        QCOMPARE(submissions.size(), submitted ? 1 : 0);
    }

    // Carry digits read like answer digits, and the highlight follows the box
    // that takes the next digit.
    void carryBoxes()
    {
        SettingsRecord setup = GameDriver::defaultSetup();
        setup.showCarryBoxes = true;
        GameDriver driver(setup);
        QVERIFY(driver.started());
        driver.queueAddition(58, 67);
        driver.clickStart();
        AnswerArea &boxes = driver.boxes();
        for (QLineEdit *carry : {boxes.txtCarry, boxes.txtCarry1}) {
            QVERIFY(carry->font().bold());
            for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
                QCOMPARE(carry->palette().color(group, QPalette::Text), QColor(Qt::white));
        }
        QTest::keyClick(driver.focused(), Qt::Key_5);
        driver.click(boxes.txtCarry);
        QCOMPARE(driver.focused(), boxes.txtCarry);
        QCOMPARE(background(boxes.txtCarry), green);
        QCOMPARE(activeBoxes(driver), QString());
        QTest::keyClick(driver.focused(), Qt::Key_1);
        QCOMPARE(boxes.txtCarry->text(), QStringLiteral("1"));
        driver.click(boxes.txtAnswerTens);
        QCOMPARE(background(boxes.txtCarry), blue);
        QCOMPARE(activeBoxes(driver), QStringLiteral("T"));
    }

    void clicks_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("units");
        QTest::addColumn<QString>("active");
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("digitsEntered");
        QTest::addColumn<QString>("keys"); // Carry, "<", ">" enabled: 1, disabled: 0
        QTest::newRow("hundreds") << int(Hund) << "" << "H" << 1 << 2 << "001";
        QTest::newRow("tens before any digit") << int(Tens) << "" << "T" << 2 << 0 << "101";
        QTest::newRow("tens after the units digit") << int(Tens) << "5" << "T" << 0 << 1 << "110";
        QTest::newRow("tens after a blanked units box") << int(Tens) << " " << "T" << 0 << 1 << "110";
        QTest::newRow("units") << int(Units) << "" << "U" << 0 << 0 << "111";
    }

    void clicks()
    {
        QFETCH(int, box);
        QFETCH(QString, units);
        QFETCH(QString, active);
        QFETCH(int, direction);
        QFETCH(int, digitsEntered);
        QFETCH(QString, keys);
        GameDriver driver;
        QVERIFY(driver.started());
        driver.session().cardOperation = Operation::Addition;
        driver.game().entry().prepareAnswerArea();
        digitBox(driver, Units)->setText(units);
        for (QWidget *key : {static_cast<QWidget *>(driver.keypad().keyCarryKey),
                             static_cast<QWidget *>(driver.keypad().key[10]),
                             static_cast<QWidget *>(driver.keypad().key[11])})
            key->setEnabled(true);
        driver.click(digitBox(driver, box));
        const auto on = [](QWidget *key) { return key->isEnabled() ? QLatin1Char('1') : QLatin1Char('0'); };
        QCOMPARE(QString() + on(driver.keypad().keyCarryKey) + on(driver.keypad().key[10]) + on(driver.keypad().key[11]),
                 keys);
        QCOMPARE(activeBoxes(driver), active);
        QCOMPARE(int(driver.program->entry.entryDirection), direction);
        QCOMPARE(int(driver.program->entry.digitsEntered), digitsEntered);
    }

    void preparation_data()
    {
        QTest::addColumn<bool>("single");
        QTest::addColumn<bool>("highlight");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<bool>("verbal");
        QTest::addColumn<int>("operation");
        QTest::addColumn<int>("entryMode");
        QTest::addColumn<QString>("visible"); // S single, H T U digit boxes, R the RIGHT and WRONG buttons, K keypad
        QTest::addColumn<QString>("enabled"); // of the visible answer boxes
        QTest::addColumn<QString>("active");
        QTest::addColumn<QString>("focus");
        QTest::newRow("separate, highlighted") << false << true << false << false << 15 << 0 << "HTU" << "HTU" << "U" << "txtAnswerUnits";
        QTest::newRow("separate, plain blue") << false << false << false << false << 15 << 0 << "HTU" << "HTU" << "HTU" << "txtAnswerUnits";
        QTest::newRow("single") << true << false << false << false << 17 << 1 << "S" << "S" << "HTU" << "txtAnswerSingle";
        QTest::newRow("division in separate mode") << false << true << false << false << 18 << 1 << "S" << "S" << "" << "txtAnswerSingle";
        QTest::newRow("division in a verbal game") << false << true << false << true << 18 << 1 << "S" << "S" << "" << "txtAnswerSingle";
        QTest::newRow("verbal") << false << true << false << true << 16 << 2 << "R" << "" << "U" << "";
        QTest::newRow("separate with keypad") << false << true << true << false << 15 << 0 << "HTUK" << "" << "U" << "";
        QTest::newRow("single with keypad") << true << false << true << false << 15 << 1 << "S" << "" << "HTU" << "";
    }

    void preparation()
    {
        QFETCH(bool, single);
        QFETCH(bool, highlight);
        QFETCH(bool, keypad);
        QFETCH(bool, verbal);
        QFETCH(int, operation);
        QFETCH(int, entryMode);
        QFETCH(QString, visible);
        QFETCH(QString, enabled);
        QFETCH(QString, active);
        QFETCH(QString, focus);

        SettingsRecord setup = GameDriver::defaultSetup();
        setup.answerFormat = single ? 2 : 1;
        setup.highlightEntry = highlight;
        setup.useKeypad = keypad;
        setup.verbalMode = verbal;
        GameDriver driver(setup);
        QVERIFY(driver.started());
        driver.session().cardOperation = qint16(operation);
        for (QLineEdit *box : {driver.boxes().txtAnswerSingle, driver.boxes().txtAnswerHund,
                               driver.boxes().txtAnswerTens, driver.boxes().txtAnswerUnits})
            box->setText(QStringLiteral(" "));
        driver.game().entry().prepareAnswerArea();

        const QList<QPair<QChar, QLineEdit *>> boxes{{'S', driver.boxes().txtAnswerSingle},
                                                     {'H', driver.boxes().txtAnswerHund},
                                                     {'T', driver.boxes().txtAnswerTens},
                                                     {'U', driver.boxes().txtAnswerUnits}};
        QString shown, usable;
        for (const auto &[letter, box] : boxes) {
            if (box->isVisible()) {
                shown += letter;
                QVERIFY(box->text().isEmpty());
                if (box->isEnabled())
                    usable += letter;
            }
        }
        if (driver.boxes().imgEnter->isVisible() && driver.boxes().imgWrongEnter->isVisible())
            shown += QLatin1Char('R');
        if (driver.keypad().isVisible())
            shown += QLatin1Char('K');
        QCOMPARE(shown, visible);
        QCOMPARE(usable, enabled);
        QCOMPARE(int(driver.session().entryMode), entryMode);
        if (operation != Operation::Division)
            QCOMPARE(activeBoxes(driver), active);
        if (!focus.isEmpty())
            QCOMPARE(driver.focused()->objectName(), focus);
        QCOMPARE(int(driver.program->entry.digitsEntered), 0);
        QCOMPARE(driver.program->entry.activeEntryColour, highlight && !single ? green : blue);
    }
};

QTEST_MAIN(AnswerEntryTest)
#include "tst_answerentry.moc"
