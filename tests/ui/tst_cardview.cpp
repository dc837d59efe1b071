#include <QRadioButton>

#include "ui/gamedriver.h"

// The card as dealt: which picture lands in which box, and where the boxes go
// in the stacked and the long-division layouts on both screen sizes.
class CardViewTest : public QObject
{
    Q_OBJECT

private:
    // A game of addition and division (code 11: pick 1 addition, pick 2 division).
    std::unique_ptr<GameDriver> mixedGame(int width)
    {
        SettingsRecord setup = GameDriver::defaultSetup();
        setup.useDivision = true;
        auto driver = std::make_unique<GameDriver>(setup, QSize(width, 768));
        return driver->started() ? std::move(driver) : nullptr;
    }

    // 56 / 7 = 8, then 12 + 34, both answered in the single box.
    std::unique_ptr<GameDriver> divisionThenAddition(int width)
    {
        auto driver = mixedGame(width);
        if (!driver)
            return nullptr;
        driver->setup().optAnsFormatSingle->setChecked(true);
        driver->setup().chk10->setChecked(true);
        driver->queue({GameDriver::pick(2, 2)});
        driver->queueDivision(7, 8, 10);
        driver->queue({GameDriver::pick(1, 2)});
        driver->queueAddition(12, 34);
        driver->clickStart();
        return driver;
    }

private slots:
    void stackedPictures_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("operation");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("bottom");
        QTest::addColumn<QList<int>>("ids"); // sign, top tens, top units, bottom tens, bottom units
        QTest::newRow("7 + 5, blank tens") << 1280 << 15 << 7 << 5 << QList<int>{106, 117, 114, 117, 112};
        QTest::newRow("40 - 3, a 0 in the units") << 1280 << 16 << 40 << 3 << QList<int>{105, 111, 107, 117, 110};
        QTest::newRow("12 x 9") << 1280 << 17 << 12 << 9 << QList<int>{101, 108, 109, 117, 116};
        QTest::newRow("small 7 + 5") << 800 << 15 << 7 << 5 << QList<int>{143, 133, 140, 133, 138};
        QTest::newRow("small 40 - 3") << 800 << 16 << 40 << 3 << QList<int>{145, 137, 147, 133, 136};
        QTest::newRow("small 99 x 9") << 800 << 17 << 99 << 9 << QList<int>{144, 142, 142, 133, 142};
    }

    void stackedPictures()
    {
        QFETCH(int, width);
        QFETCH(int, operation);
        QFETCH(int, top);
        QFETCH(int, bottom);
        QFETCH(QList<int>, ids);
        SettingsRecord setup = GameDriver::defaultSetup();
        setup.useAddition = operation == Operation::Addition;
        setup.useSubtraction = operation == Operation::Subtraction;
        setup.useMultiplication = operation == Operation::Multiplication;
        GameDriver driver(setup, QSize(width, 768));
        QVERIFY(driver.started());
        if (operation == Operation::Subtraction)
            driver.queueSubtraction(top, bottom);
        else if (operation == Operation::Multiplication)
            driver.queueMultiplication(top, bottom);
        else
            driver.queueAddition(top, bottom);
        driver.clickStart();
        QCOMPARE(driver.session().top, double(top));
        CardView &card = driver.card();
        const QLabel *boxes[] = {card.picSign, card.picTopTens, card.picTopUnits, card.picBotTens, card.picBotUnits};
        for (int i = 0; i < 5; ++i) {
            QVERIFY2(shows(boxes[i], ids[i]), qPrintable(boxes[i]->objectName()));
            QVERIFY(boxes[i]->isVisible());
        }
        QVERIFY(card.picLine->isVisible());
        QVERIFY(card.picBotHunds->isHidden());
        QVERIFY(card.imgDivBox->isHidden());
    }

    void divisionPictures_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("divisor");
        QTest::addColumn<int>("quotient");
        QTest::addColumn<QList<int>>("ids"); // divisor, hundreds, tens, units
        QTest::newRow("56 / 8") << 1280 << 8 << 7 << QList<int>{158, 180, 155, 156};
        QTest::newRow("108 / 9") << 1280 << 9 << 12 << QList<int>{159, 151, 160, 158};
        QTest::newRow("small 108 / 9") << 800 << 9 << 12 << QList<int>{169, 161, 170, 168};
        QTest::newRow("6 / 2") << 1280 << 2 << 3 << QList<int>{152, 180, 180, 156};
        QTest::newRow("small 6 / 2") << 800 << 2 << 3 << QList<int>{162, 190, 190, 166};
    }

    void divisionPictures()
    {
        QFETCH(int, width);
        QFETCH(int, divisor);
        QFETCH(int, quotient);
        QFETCH(QList<int>, ids);
        auto driver = mixedGame(width);
        QVERIFY(driver);
        driver->setup().chk12->setChecked(true);
        driver->queue({GameDriver::pick(2, 2)});
        driver->queueDivision(divisor, quotient, 12);
        driver->clickStart();
        QCOMPARE(driver->session().dividend, double(divisor * quotient));
        CardView &card = driver->card();
        const QLabel *boxes[] = {card.picTopUnits, card.picBotHunds, card.picBotTens, card.picBotUnits};
        for (int i = 0; i < 4; ++i) {
            QVERIFY2(shows(boxes[i], ids[i]), qPrintable(boxes[i]->objectName()));
            QVERIFY(boxes[i]->isVisible());
        }
        for (const QLabel *hidden : {card.picTopTens, card.picSign, card.picLine})
            QVERIFY2(hidden->isHidden(), qPrintable(hidden->objectName()));
        QVERIFY(card.imgDivBox->isVisible());
        QVERIFY(shows(card.imgDivBox, width < 1024 ? 172 : 149));
    }

    void layouts_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("division");
        QTest::addColumn<QRect>("stacked");
        // Division digits are sized by k (1 or 0.75), not by the screen scale.
        QTest::newRow("divisor") << 1280 << "picTopUnits" << QRect(550, 345, 76, 106) << QRect(782, 110, 125, 172);
        QTest::newRow("dividend hundreds") << 1280 << "picBotHunds" << QRect(670, 345, 76, 106) << QRect();
        QTest::newRow("dividend tens") << 1280 << "picBotTens" << QRect(750, 345, 76, 106) << QRect(657, 285, 125, 172);
        QTest::newRow("dividend units") << 1280 << "picBotUnits" << QRect(830, 345, 76, 106) << QRect(782, 285, 125, 172);
        QTest::newRow("bracket") << 1280 << "imgDivBox" << QRect(620, 318, 272, 155) << QRect();
        QTest::newRow("answer box") << 1280 << "txtAnswerSingle" << QRect(670, 198, 211, 92) << QRect(620, 498, 270, 118);
        QTest::newRow("small divisor") << 800 << "picTopUnits" << QRect(429, 269, 57, 80) << QRect(610, 86, 98, 134);
        QTest::newRow("small dividend units") << 800 << "picBotUnits" << QRect(647, 269, 57, 80) << QRect(610, 222, 98, 134);
        QTest::newRow("small bracket") << 800 << "imgDivBox" << QRect(484, 248, 204, 116) << QRect();
        QTest::newRow("small answer box") << 800 << "txtAnswerSingle" << QRect(523, 154, 165, 72) << QRect(484, 388, 211, 92);
    }

    void layouts()
    {
        QFETCH(int, width);
        QFETCH(QString, name);
        QFETCH(QRect, division);
        QFETCH(QRect, stacked);
        auto driver = divisionThenAddition(width);
        QVERIFY(driver);
        auto *widget = driver->window()->findChild<QWidget *>(name);
        QCOMPARE(widget->geometry(), division);
        QVERIFY(widget->isVisible());
        driver->typeSingle(QStringLiteral("8"));
        QCOMPARE(driver->session().cardOperation, Operation::Addition);
        if (stacked.isNull()) {
            QVERIFY(widget->isHidden());
        } else {
            QCOMPARE(widget->geometry(), stacked);
            QVERIFY(widget->isVisible());
        }
    }

    void answerBoxFont_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<double>("division");
        QTest::addColumn<double>("stacked");
        QTest::newRow("large set") << 1280 << 48.0 << 48.0;
        QTest::newRow("small set") << 800 << 48 * 0.61 << 48.0;
    }

    void answerBoxFont()
    {
        QFETCH(int, width);
        QFETCH(double, division);
        QFETCH(double, stacked);
        auto driver = divisionThenAddition(width);
        QVERIFY(driver);
        QCOMPARE(driver->boxes().txtAnswerSingle->font().pointSizeF(), division);
        driver->typeSingle(QStringLiteral("8"));
        QCOMPARE(driver->boxes().txtAnswerSingle->font().pointSizeF(), stacked);
    }

    void carryScratchpad_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<QPoint>("caption");
        QTest::addColumn<int>("carry");
        QTest::addColumn<int>("carry1");
        QTest::newRow("addition") << 15 << QPoint(625, 85) << 670 << 570;
        QTest::newRow("subtraction") << 16 << QPoint(725, 85) << 780 << 680;
        QTest::newRow("multiplication") << 17 << QPoint(625, 85) << 670 << 570;
    }

    void carryScratchpad()
    {
        QFETCH(int, operation);
        QFETCH(QPoint, caption);
        QFETCH(int, carry);
        QFETCH(int, carry1);
        SettingsRecord setup = GameDriver::defaultSetup();
        setup.showCarryBoxes = true;
        setup.useAddition = operation == Operation::Addition;
        setup.useSubtraction = operation == Operation::Subtraction;
        setup.useMultiplication = operation == Operation::Multiplication;
        GameDriver driver(setup);
        QVERIFY(driver.started());
        driver.queue({0.5, 0.5});
        driver.clickStart();
        QCOMPARE(driver.boxes().lblCarry->pos(), caption);
        QCOMPARE(driver.boxes().txtCarry->geometry(), QRect(carry, 10, 80, 60));
        QCOMPARE(driver.boxes().txtCarry1->geometry(), QRect(carry1, 10, 80, 60));
        for (QWidget *shown : std::initializer_list<QWidget *>{driver.boxes().lblCarry, driver.boxes().txtCarry,
                                                               driver.boxes().txtCarry1})
            QVERIFY(shown->isVisible());
        QVERIFY(driver.boxes().txtCarry->text().isEmpty());
    }
};

QTEST_MAIN(CardViewTest)
#include "tst_cardview.moc"
