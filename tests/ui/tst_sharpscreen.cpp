#include "gamedriver.h"

#include "help/helpintro.h"
#include "help/helptopic.h"

// Runs on a screen drawn at twice the density, as on a laptop at 200 %.
class TestSharpScreen : public QObject
{
    Q_OBJECT
public:
    static void initMain() { qputenv("QT_SCALE_FACTOR", "2"); }

private slots:
    void picturesShowEveryPixel_data();
    void picturesShowEveryPixel();
    void helpPicturesKeepTheirSize();
};

// Each picture box of the window during a game whose first card was judged.
void TestSharpScreen::picturesShowEveryPixel_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"picTopTens", "picTopUnits", "picBotTens", "picBotUnits", "picSign", "picLine",
                             "imgCard", "imgBanner", "imgStart", "imgStop", "imgTotalTime", "imgCardTime",
                             "imgPrevious", "imgRightWrong", "imgRight", "imgWrongEnter"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestSharpScreen::picturesShowEveryPixel()
{
    QFETCH(QString, name);
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    GameDriver driver;
    QVERIFY(driver.started());
    driver.queueAddition(47, 38);
    driver.queueAddition(56, 29);
    driver.clickStart();
    driver.typeSeparate(85);
    QCOMPARE(driver.session().rightCount, 1);

    const auto *label = driver.window()->findChild<QLabel *>(name);
    QVERIFY(label);
    const QPixmap picture = label->pixmap();
    QCOMPARE(picture.devicePixelRatio(), 2.0);
    QCOMPARE(picture.size(), logicalSize(picture) * 2);
    // A single-size picture stretched to twice its size would come through
    // halving and doubling unchanged; a double-size drawing loses detail.
    const QImage image = picture.toImage();
    QVERIFY(image.scaled(logicalSize(picture)).scaled(picture.size()) != image);
}

void TestSharpScreen::helpPicturesKeepTheirSize()
{
    GameDriver driver;
    QVERIFY(driver.started());
    HelpIntro &intro = *driver.program->frmHelpIntro();
    intro.showIntroduction();
    QCOMPARE(intro.Picture1->pixmap().devicePixelRatio(), 2.0);
    QCOMPARE(intro.Picture1->size(), logicalSize(intro.Picture1->pixmap()));

    HelpTopic &keypad = *intro.topic(HelpTopicId::Keypad);
    keypad.open(&intro);
    QCOMPARE(keypad.Picture1->pixmap().devicePixelRatio(), 2.0);
    QCOMPARE(keypad.Picture1->size(), driver.keypad().size());
}

QTEST_MAIN(TestSharpScreen)
#include "tst_sharpscreen.moc"
