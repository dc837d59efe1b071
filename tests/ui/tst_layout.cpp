#include <QAction>
#include <QApplication>

#include "help/aboutwindow.h"
#include "help/helpintro.h"
#include "help/helptopic.h"
#include "app/shell.h"
#include "report/summarypage.h"
#include "report/summarywindows.h"
#include "ui/gamedriver.h"

namespace {

// Controls drawn on top of one another on purpose share a group: the card's
// pictures and boxes, the previous-card panel and its text, a clock and its face.
QString group(const QWidget *control)
{
    const QString name = control->objectName();
    for (const auto &[prefix, group] : {std::pair{"pic", "card"}, {"imgCard", "card"}, {"imgDivBox", "card"},
                                        {"txtAnswer", "card"}, {"imgPrevious", "previous"},
                                        {"imgRightWrong", "previous"}, {"lblPrevious", "previous"},
                                        {"imgTotalTime", "clocks"}, {"txtTotalTime", "clocks"},
                                        {"imgCardTime", "clocks"}, {"txtCardTime", "clocks"}}) {
        if (name.startsWith(QLatin1String(prefix)))
            return QLatin1String(group);
    }
    return name;
}

// Pairs of visible controls of the main window that overlap though they should not.
QStringList overlaps(const MainWindow &window)
{
    QList<const QWidget *> shown;
    for (const QObject *child : window.centralWidget()->children()) {
        const auto *control = qobject_cast<const QWidget *>(child);
        if (control && control->isVisible() && !control->geometry().isEmpty())
            shown.append(control);
    }
    // The logo's lowest rows are plain background, over the top of the tabs.
    const QStringList logoOverTabs{QStringLiteral("imgBanner"), QStringLiteral("tbsOne")};
    QStringList found;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        for (qsizetype j = i + 1; j < shown.size(); ++j) {
            const QStringList pair{shown[i]->objectName(), shown[j]->objectName()};
            if (group(shown[i]) != group(shown[j]) && shown[i]->geometry().intersects(shown[j]->geometry())
                && pair != logoOverTabs)
                found << shown[i]->objectName() + QStringLiteral(" ~ ") + shown[j]->objectName();
        }
    }
    return found;
}

// Visible windows that are not wholly inside the screen, or whose controls are cut off.
QStringList offScreen(QSize screen)
{
    QStringList found;
    const QRect area(QPoint(0, 0), screen);
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        // The main window is sized to the screen itself; its frame is the window manager's.
        const bool main = qobject_cast<MainWindow *>(window) != nullptr;
        if (!area.contains(main ? QRect(area.topLeft(), window->size()) : window->frameGeometry()))
            found << QStringLiteral("%1 at %2,%3 %4x%5")
                         .arg(window->objectName())
                         .arg(window->frameGeometry().x())
                         .arg(window->frameGeometry().y())
                         .arg(window->frameGeometry().width())
                         .arg(window->frameGeometry().height());
        for (const QWidget *control : window->findChildren<QWidget *>()) {
            if (control->isVisible() && control->parentWidget() == window && !window->rect().contains(control->geometry()))
                found << window->objectName() + QLatin1Char('/') + control->objectName();
        }
    }
    return found;
}

} // namespace

// Every window at the smallest and an ordinary screen: inside the screen, and
// nothing drawn over what the child needs to see.
class LayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void screens_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::newRow("800x600") << QSize(800, 600);
        QTest::newRow("1280x1024") << QSize(1280, 1024);
    }

    void screens()
    {
        QFETCH(QSize, screen);
        SettingsRecord setup = GameDriver::defaultSetup();
        setup.useKeypad = true;
        setup.timerOn = true;
        setup.showCarryBoxes = true;
        setup.showSummary = true;
        GameDriver driver(setup, screen);
        QVERIFY(driver.started());
        QVERIFY2(overlaps(*driver.window()).isEmpty(), qPrintable(overlaps(*driver.window()).join(u',')));

        driver.queueAddition(58, 67);
        driver.queueAddition(31, 6);
        driver.clickStart();
        emit driver.keypad().digitOrArrowClicked(5);
        emit driver.keypad().enterClicked(); // the previous card shows
        QVERIFY(driver.feedback().imgPrevious->isVisible());
        QVERIFY(driver.keypad().isVisible());
        QVERIFY2(overlaps(*driver.window()).isEmpty(), qPrintable(overlaps(*driver.window()).join(u',')));
        QVERIFY2(offScreen(screen).isEmpty(), qPrintable(offScreen(screen).join(u',')));

        driver.clickStart(); // stops, with the summary
        SummaryPage *page = driver.program->summaryWindows().createdPage(1);
        QVERIFY(page && page->isVisible());
        driver.program->summary.setResultLine(QStringLiteral("Results for: ") + QString(25, QLatin1Char('W'))
                                              + QStringLiteral("   Date: 12/31/2026         Game Time 999:59       "
                                                               "You got 97 right out of 100. That's a score of 97%"));
        QVERIFY2(offScreen(screen).isEmpty(), qPrintable(offScreen(screen).join(u',')));
        page->close();

        driver.window()->mnuAbout->trigger();
        QVERIFY2(offScreen(screen).isEmpty(), qPrintable(offScreen(screen).join(u',')));
        driver.program->shell().frmSplash()->close();

        HelpIntro *intro = driver.program->frmHelpIntro();
        intro->showIntroduction();
        QVERIFY2(offScreen(screen).isEmpty(), qPrintable(offScreen(screen).join(u',')));
        for (int id = 0; id < helpTopicCount; ++id) {
            HelpTopic *topic = intro->topic(HelpTopicId(id));
            topic->open(intro);
            QVERIFY2(offScreen(screen).isEmpty(), qPrintable(offScreen(screen).join(u',')));
            topic->close();
        }
        intro->close();
    }
};

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
