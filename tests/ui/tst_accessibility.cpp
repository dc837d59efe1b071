#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QTabBar>

#include "ui/clicklabel.h"
#include "help/helpintro.h"
#include "game/cardphrase.h"
#include "play/cardreader.h"
#include "gamedriver.h"
#include "history/progresswindow.h"
#include "report/summarywindows.h"

namespace {

// Every visible control of every open window that can be clicked or
// focused, and has no accessible name: what a screen reader cannot say.
QStringList unnamedControls()
{
    QStringList unnamed;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        QList<QWidget *> widgets = window->findChildren<QWidget *>();
        widgets.prepend(window);
        for (QWidget *widget : widgets) {
            if (!widget->isVisible())
                continue;
            const auto *label = qobject_cast<QLabel *>(widget);
            // A picture is read by its name alone.
            const bool picture = label && !label->pixmap().isNull();
            const bool clickable = qobject_cast<QAbstractButton *>(widget) || qobject_cast<ClickLabel *>(widget) || picture;
            const bool focusable = widget->focusPolicy() & Qt::TabFocus;
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
            if (!face || !(clickable || focusable))
                continue;
            const QString where = window->objectName() + QLatin1Char('/') + widget->objectName() + QLatin1Char(' ')
                                + QString::fromLatin1(widget->metaObject()->className());
            if (face->text(QAccessible::Name).trimmed().isEmpty())
                unnamed.append(where);
            if (qobject_cast<QTabBar *>(widget))
                for (int i = 0; i < face->childCount(); ++i)
                    if (face->child(i)->text(QAccessible::Name).trimmed().isEmpty())
                        unnamed.append(where + QStringLiteral(" tab %1").arg(i));
        }
    }
    return unnamed;
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void cardPhrases_data()
    {
        QTest::addColumn<qint16>("operation");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<QString>("phrase");
        QTest::newRow("addition") << Operation::Addition << 32 << 6 << "32 plus 6";
        QTest::newRow("subtraction") << Operation::Subtraction << 15 << 7 << "15 minus 7";
        QTest::newRow("multiplication") << Operation::Multiplication << 6 << 8 << "6 times 8";
        QTest::newRow("division") << Operation::Division << 72 << 9 << "72 divided by 9";
    }
    void cardPhrases()
    {
        QFETCH(qint16, operation);
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(QString, phrase);
        GameSession session;
        session.cardOperation = operation;
        // A division card keeps its numbers as dividend and divisor; the others
        // as top and bottom. The wrong pair must not be read.
        (operation == Operation::Division ? session.dividend : session.top) = first;
        (operation == Operation::Division ? session.divisor : session.bottom) = second;
        QCOMPARE(cardPhrase(session), phrase);
    }

    // Spoken as dealt, again on F5, never while unticked; a card without an
    // engine leaves the box disabled with the reason, and the game plays on.
    void readAloud_data()
    {
        QTest::addColumn<bool>("engine");
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<QStringList>("spoken");
        QTest::newRow("ticked") << true << true << QStringList{"32 plus 6", "32 plus 6", "4 plus 5"};
        QTest::newRow("unticked: F5 still reads") << true << false << QStringList{"32 plus 6"};
        QTest::newRow("no engine") << false << true << QStringList{};
    }
    void readAloud()
    {
        QFETCH(bool, engine);
        QFETCH(bool, ticked);
        QFETCH(QStringList, spoken);
        if (!engine) {
            // The engine is asked for when the program starts.
            FakePlatform platform;
            platform.speechWorks = false;
            platform.options.insert(CardReader::speakOption(), true);
            const auto program = startProgram(platform);
            const QCheckBox *box = program->frmProgram()->setup->chkSpeak;
            QVERIFY(!box->isEnabled());
            QVERIFY(!box->isChecked());
            QVERIFY(box->toolTip().contains(QStringLiteral("no speech engine")));
            return;
        }
        GameDriver driver(GameDriver::defaultSetup(), QSize(1280, 1024), {{CardReader::speakOption(), ticked}});
        QVERIFY(driver.started());
        QCheckBox *box = driver.setup().chkSpeak;
        QCOMPARE(box->isChecked(), ticked);
        driver.queueAddition(32, 6);
        driver.clickStart();
        QCOMPARE(driver.card().imgCard->accessibleName(), QStringLiteral("Card 1 of 10: 32 plus 6"));
        QVERIFY(QTest::qWaitForWindowActive(driver.window())); // shortcuts need an active window
        QTest::keyClick(driver.focused(), Qt::Key_F5);
        driver.queueAddition(4, 5);
        driver.typeSeparate(38);
        QCOMPARE(driver.platform.spoken, spoken);
        box->setChecked(!ticked);
        QCOMPARE(driver.platform.options.value(CardReader::speakOption()), QVariant(!ticked));
    }

    void everyControlHasAName()
    {
        GameDriver driver;
        QVERIFY(driver.started());
        MainWindow &window = *driver.window();
        driver.program->frmHelpIntro()->showIntroduction();
        window.mnuAbout->trigger();
        window.mnuContents->trigger();
        driver.program->frmProgress().showProgress();
        for (int tab = 0; tab < driver.setup().count(); ++tab) {
            driver.setup().setCurrentIndex(tab);
            QVERIFY2(unnamedControls().isEmpty(), qPrintable(unnamedControls().join(QStringLiteral("; "))));
        }
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window != driver.window())
                window->hide();

        driver.setup().chkKeypad->setChecked(true);
        driver.setup().chkPrevCard->setChecked(true);
        driver.queueAddition(32, 6);
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        driver.clickStart();
        QVERIFY2(unnamedControls().isEmpty(), qPrintable(unnamedControls().join(QStringLiteral("; "))));
        driver.typeSeparate(37); // the WRONG mark, its picture and the previous card show
        QVERIFY2(unnamedControls().isEmpty(), qPrintable(unnamedControls().join(QStringLiteral("; "))));

        driver.setup().chkSummary->setChecked(true);
        driver.game().endGame(GameFlow::EndReason::TimeRanOut);
        for (int page = 1; page <= 5; ++page) {
            driver.program->summaryWindows().showPage(page);
            QVERIFY2(unnamedControls().isEmpty(), qPrintable(unnamedControls().join(QStringLiteral("; "))));
        }
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
