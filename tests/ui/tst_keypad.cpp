#include <QRadioButton>
#include <QRegularExpression>

#include "ui/gamedriver.h"

// Games played with the mouse on the screen keypad: digits from the units
// leftwards, the arrows, Erase, Carry into the scratchpad and the borrow.
class KeypadTest : public QObject
{
    Q_OBJECT

private:
    // A running game whose first card is "58+67", "52-17", "12x3" or "56/7", answered
    // with the keypad in the separate boxes unless single; carry boxes shown.
    std::unique_ptr<GameDriver> game(const QString &card, bool single = false, bool highlight = true,
                                     int width = 1280)
    {
        const QStringList numbers = card.split(QRegularExpression(QStringLiteral("[-+x/]")));
        const int top = numbers[0].toInt();
        const int bottom = numbers[1].toInt();
        const char sign = card.at(numbers[0].size()).toLatin1();
        SettingsRecord setup = GameDriver::defaultSetup();
        setup.useAddition = sign == '+';
        setup.useSubtraction = sign == '-';
        setup.useMultiplication = sign == 'x';
        setup.useDivision = sign == '/';
        setup.answerFormat = single ? 2 : 1;
        setup.highlightEntry = highlight;
        setup.useKeypad = true;
        setup.showCarryBoxes = true;
        auto driver = std::make_unique<GameDriver>(setup, QSize(width, 1024));
        if (!driver->started())
            return nullptr;
        driver->setup().chk10->setChecked(true); // quotients up to 10
        if (sign == '-')
            driver->queueSubtraction(top, bottom);
        else if (sign == '/')
            driver->queueDivision(bottom, top / bottom, 10);
        else if (sign == 'x')
            driver->queueMultiplication(top, bottom);
        else
            driver->queueAddition(top, bottom);
        driver->clickStart();
        return driver;
    }

    // Clicks keys written as "5 C 1 < > E N": digits, arrows, Carry, Erase,
    // Enter; T is a click on the tens box itself.
    static void press(GameDriver &driver, const QString &keys)
    {
        for (const QString &key : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            click(driver, key);
    }

    static void click(GameDriver &driver, const QString &key)
    {
        Keypad &keypad = driver.keypad();
        const QHash<QString, QWidget *> named{{"T", driver.boxes().txtAnswerTens}, {"<", keypad.key[10]},
                                             {">", keypad.key[11]},  {"C", keypad.keyCarryKey},
                                             {"E", keypad.keyErase}, {"N", keypad.keyEnter}};
        QWidget *label = named.value(key, keypad.key[key.toInt()]);
        QVERIFY2(label->isVisible(), qPrintable(key));
        driver.click(label);
    }

    // What the child sees and what the keypad remembers, as
    // "hundreds|tens|units c:carry|carry1 a:active boxes n:digits/direction/target k:enabled keys";
    // with the single box its text stands first. Shown active boxes are H T U
    // and 1 2 for the carry boxes; shown enabled keys are < > C(arry) E(rase).
    static QString look(GameDriver &driver)
    {
        AnswerArea &boxes = driver.boxes();
        const AnswerEntryState &entry = driver.program->entry;
        const QString answer = driver.session().entryMode == 1
                                 ? boxes.txtAnswerSingle->text()
                                 : QStringList{boxes.txtAnswerHund->text(), boxes.txtAnswerTens->text(),
                                               boxes.txtAnswerUnits->text()}
                                       .join(QLatin1Char('|'));
        QString active;
        const QList<QPair<QChar, QLineEdit *>> named{{'H', boxes.txtAnswerHund}, {'T', boxes.txtAnswerTens},
                                                     {'U', boxes.txtAnswerUnits}, {'1', boxes.txtCarry},
                                                     {'2', boxes.txtCarry1}};
        for (const auto &[letter, box] : named) {
            if (box->isVisible() && background(box) == entry.activeEntryColour)
                active += letter;
        }
        Keypad &keypad = driver.keypad();
        QString keys;
        const QList<QPair<QChar, QWidget *>> keyed{{'<', keypad.key[10]}, {'>', keypad.key[11]},
                                                   {'C', keypad.keyCarryKey}, {'E', keypad.keyErase}};
        for (const auto &[letter, key] : keyed) {
            if (key->isVisible() && key->isEnabled())
                keys += letter;
        }
        return QStringLiteral("%1 c:%2|%3 a:%4 n:%5/%6/%7 k:%8")
            .arg(answer, boxes.txtCarry->text(), boxes.txtCarry1->text(), active)
            .arg(entry.digitsEntered)
            .arg(entry.entryDirection)
            .arg(entry.carryTarget)
            .arg(keys);
    }

private slots:
    void keys_data()
    {
        QTest::addColumn<QString>("card");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("after");
        // Digits, units first.
        QTest::newRow("dealt") << "58+67" << "" << "|| c:| a:U n:0/0/0 k:<";
        QTest::newRow("units") << "58+67" << "7" << "||7 c:| a:T n:1/0/0 k:<CE";
        QTest::newRow("tens") << "58+67" << "7 1" << "|1|7 c:| a:H n:2/0/0 k:>CE";
        QTest::newRow("hundreds") << "58+67" << "7 1 2" << "2|1|7 c:| a: n:3/0/0 k:E";
        QTest::newRow("a fourth digit is ignored") << "58+67" << "7 1 2 5" << "2|1|7 c:| a: n:3/0/0 k:E";
        QTest::newRow("arrows ignored when full") << "58+67" << "7 1 2 <" << "2|1|7 c:| a: n:3/0/0 k:E";
        // Carry arms the box over the next column; the next digit fills it.
        QTest::newRow("carry after the units") << "58+67" << "5 C" << "||5 c:| a:T1 n:1/0/1 k:<CE";
        QTest::newRow("carry written") << "58+67" << "5 C 1" << "||5 c:1| a:T n:1/0/0 k:<CE";
        QTest::newRow("carry after the tens") << "58+67" << "5 C 1 2 C" << "|2|5 c:1| a:H2 n:2/0/2 k:>CE";
        QTest::newRow("second carry written") << "58+67" << "5 C 1 2 C 1" << "|2|5 c:1|1 a:H n:2/0/0 k:>CE";
        QTest::newRow("carry before any digit arms nothing") << "58+67" << "5 E C" << "|| c:| a:U n:0/0/0 k:CE";
        // "<" from the units box goes to the tens, from elsewhere to the hundreds.
        QTest::newRow("< before any digit") << "58+67" << "<" << "|| c:| a:T n:0/2/0 k:>";
        QTest::newRow("tens first") << "58+67" << "< 4" << "|4| c:| a:U n:0/1/0 k:E";
        QTest::newRow("then the units") << "58+67" << "< 4 6" << "|4|6 c:| a: n:1/1/0 k:CE";
        QTest::newRow("> back to the units") << "58+67" << "< >" << "|| c:| a:U n:0/0/0 k:<";
        QTest::newRow("> after the units is a tens click") << "58+67" << "5 >" << "||5 c:| a:T n:1/0/0 k:<CE";
        QTest::newRow("< after the units") << "58+67" << "5 <" << "||5 c:| a:H n:2/1/0 k:>E";
        QTest::newRow("hundreds from the left") << "58+67" << "5 < 3" << "3||5 c:| a:T n:1/1/0 k:<E";
        QTest::newRow("then the tens") << "58+67" << "5 < 3 8" << "3|8|5 c:| a: n:2/1/0 k:E";
        QTest::newRow("multiplication arrows") << "12x3" << "" << "|| c:| a:U n:0/0/0 k:";
        // A subtraction offers the borrow until the first digit.
        QTest::newRow("subtraction dealt") << "52-17" << "" << "|| c:| a:U n:0/0/0 k:C";
        QTest::newRow("subtraction digit") << "52-17" << "5" << "||5 c:| a:T n:1/0/0 k:E";
        QTest::newRow("no borrow needed") << "58-17" << "" << "|| c:| a:U n:0/0/0 k:";
        QTest::newRow("borrow") << "52-17" << "C" << "|| c:12|4 a:U n:0/0/0 k:E";
        QTest::newRow("the boxes take no clicks") << "52-17" << "5 T" << "||5 c:| a:T n:1/0/0 k:E";
        QTest::newRow("borrow then digit") << "52-17" << "C 5" << "||5 c:12|4 a:T n:1/0/0 k:E";
        // Erase, by the place filled last.
        QTest::newRow("erase units") << "58+67" << "5 E" << "|| c:| a:U n:0/0/0 k:CE";
        QTest::newRow("erase with nothing left") << "58+67" << "5 E E" << "|| c:| a:U n:0/0/0 k:CE";
        QTest::newRow("erase units empties its carry") << "58+67" << "5 C 1 E" << "|| c:| a:U n:0/0/0 k:CE";
        QTest::newRow("erase disarms the first carry") << "58+67" << "5 C E 3" << "||3 c:| a:T n:1/0/0 k:<CE";
        QTest::newRow("erase tens") << "58+67" << "5 C 1 2 C 1 E" << "||5 c:1| a:T n:1/0/0 k:<CE";
        QTest::newRow("erase hundreds") << "58+67" << "7 1 2 E" << "|1|7 c:| a:H n:2/0/0 k:>E";
        QTest::newRow("erase tens written first") << "58+67" << "< 4 E" << "|| c:| a:T n:0/2/0 k:>E";
        QTest::newRow("erase hundreds from the left") << "58+67" << "5 < 3 E" << "||5 c:| a:H n:2/1/0 k:>E";
        QTest::newRow("erase tens after the hundreds") << "58+67" << "5 < 3 8 E" << "||5 c:| a:H n:2/1/0 k:>E";
        QTest::newRow("erase tens with no hundreds") << "58+67" << "< 4 6 7 E" << "||6 c:| a:U n:1/0/0 k:E";
        QTest::newRow("erase a subtraction's units") << "52-17" << "5 E" << "|| c:| a:U n:0/0/0 k:CE";
        QTest::newRow("erase where no borrow is needed") << "58-17" << "1 E E" << "|| c:| a:U n:0/0/0 k:E";
        QTest::newRow("erase the borrow") << "52-17" << "C E" << "|| c:| a:U n:0/0/0 k:CE";
        QTest::newRow("erase the borrow after a digit") << "52-17" << "C 5 E" << "|| c:| a:U n:0/0/0 k:CE";
        // The single box.
        QTest::newRow("single") << "58+67 single" << "4 2" << "42 c:| a: n:2/0/0 k:E";
        QTest::newRow("single takes three digits") << "58+67 single" << "4 2 7 1" << "427 c:| a: n:3/0/0 k:E";
        QTest::newRow("single erase") << "58+67 single" << "4 2 E" << "4 c:| a: n:1/0/0 k:E";
        QTest::newRow("single erase twice") << "58+67 single" << "4 2 E E" << " c:| a: n:0/0/0 k:E";
        QTest::newRow("single erase past empty") << "58+67 single" << "4 2 E E E" << " c:| a: n:0/0/0 k:E";
        QTest::newRow("division in the single box") << "56/7" << "8 E 8" << "8 c:| a: n:1/0/0 k:E";
        QTest::newRow("single erase of three") << "58+67 single" << "4 2 7 E" << "42 c:| a: n:2/0/0 k:E";
    }

    void keys()
    {
        QFETCH(QString, card);
        QFETCH(QString, keys);
        QFETCH(QString, after);
        const QStringList words = card.split(QLatin1Char(' '));
        auto driver = game(words[0], words.size() > 1);
        QVERIFY(driver);
        press(*driver, keys);
        QCOMPARE(look(*driver), after);
    }

    // 58 + 67 worked on paper: 5 carry 1, 2 carry 1, 1.
    void carriesDoNotCount()
    {
        auto driver = game(QStringLiteral("58+67"));
        QVERIFY(driver);
        driver->queueAddition(10, 10);
        press(*driver, QStringLiteral("5 C 1 2 C 1 1 N"));
        QCOMPARE(driver->session().givenAnswer, 125.0);
        QCOMPARE(driver->session().rightCount, qint16(1));
        QCOMPARE(driver->program->summary.row(2).answer, QStringLiteral("125"));
        // The next card starts afresh, the arrows shown again by its deal.
        QCOMPARE(look(*driver), QStringLiteral("|| c:| a:U n:0/0/0 k:<"));
        QVERIFY(driver->keypad().key[11]->isVisible());
    }

    void borrowCrossesOut_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QList<int>>("ids"); // top units and tens as dealt, then struck through
        QTest::newRow("large card") << 1280 << QList<int>{109, 112, 202, 205};
        QTest::newRow("small card") << 800 << QList<int>{135, 138, 212, 215};
    }

    void borrowCrossesOut()
    {
        QFETCH(int, width);
        QFETCH(QList<int>, ids);
        auto driver = game(QStringLiteral("52-17"), false, true, width);
        QVERIFY(driver);
        const CardView &card = driver->card();
        for (int round = 0; round < 2; ++round) {
            press(*driver, QStringLiteral("C"));
            QVERIFY(shows(card.picTopUnits, ids[2]));
            QVERIFY(shows(card.picTopTens, ids[3]));
            QVERIFY(shows(card.picTemp, ids[0]));
            QVERIFY(shows(card.picTemp1, ids[1]));
            press(*driver, QStringLiteral("E"));
            QVERIFY(shows(card.picTopUnits, ids[0]));
            QVERIFY(shows(card.picTopTens, ids[1]));
        }
    }

    // On a subtraction card an arrow takes the borrow away as a digit does.
    // The arrows show there when a stopped addition game left them up.
    void subtractionKeysDropTheBorrow_data()
    {
        QTest::addColumn<QString>("stopped"); // keys pressed in the stopped game
        QTest::addColumn<QString>("key");
        QTest::newRow("<") << "" << "<";
        QTest::newRow(">") << "<" << ">";
    }

    void subtractionKeysDropTheBorrow()
    {
        QFETCH(QString, stopped);
        QFETCH(QString, key);
        auto driver = game(QStringLiteral("58+67"));
        QVERIFY(driver);
        press(*driver, stopped);
        driver->clickStart(); // Stop, Yes
        driver->setup().chkAddition->setChecked(false);
        driver->setup().chkSubtraction->setChecked(true);
        driver->queueSubtraction(52, 17);
        driver->clickStart();
        QVERIFY(driver->keypad().keyCarryKey->isEnabled());
        press(*driver, key);
        QVERIFY(!driver->keypad().keyCarryKey->isEnabled());
    }

    void plainArrowsAfterEveryDigit_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::newRow("units first") << "7 1 2";
        QTest::newRow("tens first") << "< 4 6 7";
        QTest::newRow("after an arrow") << "5 > 3 8";
        QTest::newRow("after erase") << "5 2 E 4 E E 9";
    }

    void plainArrowsAfterEveryDigit()
    {
        QFETCH(QString, keys);
        auto driver = game(QStringLiteral("58+67"), false, false);
        QVERIFY(driver);
        const Keypad &keypad = driver->keypad();
        for (const QString &key : keys.split(QLatin1Char(' '))) {
            click(*driver, key);
            if (key.at(0).isDigit())
                QVERIFY2(!keypad.key[10]->isEnabled() && !keypad.key[11]->isEnabled(), qPrintable(key));
        }
    }
};

QTEST_MAIN(KeypadTest)
#include "tst_keypad.moc"
