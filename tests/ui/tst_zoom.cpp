#include "gamedriver.h"

#include <QMenuBar>

#include "app/zoomview.h"

class TestZoom : public QObject
{
    Q_OBJECT
private slots:
    void fillsTheScreenCentred_data();
    void fillsTheScreenCentred();
    void switchesBetweenGames();
};

namespace {

QVariantMap zoomKept()
{
    return {{MainWindow::zoomOption(), true}};
}

} // namespace

void TestZoom::fillsTheScreenCentred_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<bool>("larger");
    QTest::newRow("800 x 600") << QSize(800, 600) << false;
    QTest::newRow("1024 x 768") << QSize(1024, 768) << false;
    QTest::newRow("1280 x 1024, held by the width") << QSize(1280, 1024) << true;
    QTest::newRow("1920 x 1080") << QSize(1920, 1080) << true;
    QTest::newRow("2560 x 1440") << QSize(2560, 1440) << true;
    QTest::newRow("portrait 1080 x 1920") << QSize(1080, 1920) << true;
}

void TestZoom::fillsTheScreenCentred()
{
    QFETCH(QSize, screen);
    QFETCH(bool, larger);
    GameDriver driver(GameDriver::defaultSetup(), screen, zoomKept());
    QVERIFY(driver.started());
    MainWindow &window = *driver.window();
    QVERIFY(window.mnuZoom->isChecked());
    ZoomView *view = window.zoomView;
    QVERIFY(view);
    QTRY_COMPARE(view->viewport()->size(), QSize(screen.width(), screen.height() - window.menuBar()->height()));

    const QRect shown = view->mapFromScene(view->sceneRect()).boundingRect();
    const QRect area = view->viewport()->rect();
    QCOMPARE(view->factor() > 1.0, larger);
    if (!larger)
        return;
    // The largest that fits: it fills the width or the height, and sits in the middle.
    QVERIFY(area.adjusted(-1, -1, 1, 1).contains(shown));
    QVERIFY(shown.width() >= area.width() - 2 || shown.height() >= area.height() - 2);
    QVERIFY(qAbs(shown.left() - (area.right() - shown.right())) <= 2);
    QVERIFY(qAbs(shown.top() - (area.bottom() - shown.bottom())) <= 2);
}

void TestZoom::switchesBetweenGames()
{
    GameDriver driver(GameDriver::defaultSetup(), QSize(1920, 1080));
    QVERIFY(driver.started());
    MainWindow &window = *driver.window();
    QVERIFY(!window.mnuZoom->isChecked());
    QVERIFY(!window.zoomView);

    window.mnuZoom->trigger();
    QVERIFY(window.zoomView);
    QCOMPARE(window.centralWidget(), window.zoomView);
    QCOMPARE(driver.platform.options.value(MainWindow::zoomOption()), QVariant(true));
    QCOMPARE(driver.card().picTopUnits->pixmap().devicePixelRatio(), 2.0);
    // Disabled behind a help window or a question, as the unzoomed window is.
    window.setEnabled(false);
    QVERIFY(!driver.setup().isEnabled());
    window.setEnabled(true);
    QVERIFY(driver.setup().isEnabled());

    // The game is played through the zoomed window, keys and all.
    driver.queueAddition(47, 38);
    driver.clickStart();
    QVERIFY(!window.mnuOptions->isEnabled());
    QCOMPARE(driver.card().picTopUnits->pixmap().devicePixelRatio(), 2.0);
    driver.typeSeparate(85);
    QCOMPARE(driver.session().rightCount, 1);
    driver.clickStart(); // stop, confirmed
    QCOMPARE(driver.session().state, 0);

    window.mnuZoom->trigger();
    QVERIFY(!window.zoomView);
    QCOMPARE(window.centralWidget(), window.client);
    QCOMPARE(driver.platform.options.value(MainWindow::zoomOption()), QVariant(false));
    QCOMPARE(driver.card().imgCard->geometry(), QRect(539, 100, 390, 555));
    QCOMPARE(driver.card().picTopUnits->pixmap().devicePixelRatio(), 1.0);
    QVERIFY(shows(driver.card().picTopUnits, CardPictureId::digits[0].large));
    QVERIFY(window.client->isVisible());
}

QTEST_MAIN(TestZoom)
#include "tst_zoom.moc"
