#include <QAction>
#include <QApplication>
#include <QProcess>

#include "help/helpintro.h"
#include "game/gamesession.h"
#include "platform/product.h"
#include "report/summarypage.h"
#include "report/summarywindows.h"
#include "gamedriver.h"

namespace {

const QColor red(255, 0, 0);
const QColor black(0, 0, 0);

CardRecord card(int n, bool right, bool timed)
{
    CardRecord record;
    record.cardNumber = n;
    record.problem = QStringLiteral("%1 x 9 = %2").arg(n).arg(n * 9);
    record.given = right ? n * 9 : n;
    record.right = right;
    record.timeShown = timed;
    record.cardTime = QStringLiteral("0:%1").arg(n % 60);
    return record;
}

// A game of the given length: every third card wrong, the timer on.
void playGame(Program &program, int cards)
{
    program.resetSummary();
    for (int n = 1; n <= cards; ++n)
        program.summary.addCardRow(card(n, n % 3 != 0, true));
    program.summary.setResultLine(QStringLiteral("%1 cards").arg(cards));
}

QColor textColour(const QLabel *label)
{
    return label->palette().color(QPalette::WindowText);
}

// Rows whose problem cell the page would show, in order from its first row.
int shownRows(const SummaryPage &page)
{
    int count = 0;
    for (int k = 1; k <= GameSummary::rowsPerPage; ++k) {
        const int r = GameSummary::rowOnPage(page.page(), k);
        if (page.lblSum.value(r)->isVisibleTo(&page))
            count = k;
    }
    return count;
}

QList<QWidget *> windowsNamed(const QString &name)
{
    QList<QWidget *> found;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == name)
            found.append(widget);
    return found;
}

bool showsFace(const QPushButton *button, const QLabel *face)
{
    const QImage wanted = face->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    return button->icon().pixmap(wanted.size()).toImage().convertToFormat(QImage::Format_ARGB32) == wanted;
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class SummaryWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(workDir.enter());
        platform = std::make_unique<FakePlatform>();
        program = startProgram(*platform);
        QVERIFY(program);
    }

    void cleanup()
    {
        program.reset();
        platform.reset();
    }

    void windowsAreCreatedOnFirstShow()
    {
        for (int p = 0; p < 5; ++p)
            QVERIFY(windowsNamed(QStringLiteral("frmSummaryDisplay%1").arg(p)).isEmpty());
        MainWindow &window = *program->frmProgram();
        window.setEnabled(true);

        window.mnuPrevious->setEnabled(true);
        window.mnuPrevious->trigger();
        const QList<QWidget *> first = windowsNamed(QStringLiteral("frmSummaryDisplay0"));
        QCOMPARE(first.size(), 1);
        QVERIFY(first[0]->isVisible());
        QCOMPARE(first[0]->windowTitle(), QStringLiteral("Game Summary Page 1"));
        QCOMPARE(first[0]->size(), QSize(664, 533));
        QCOMPARE(first[0]->windowModality(), Qt::NonModal);
        QVERIFY(window.isEnabled());
        for (int p = 1; p < 5; ++p)
            QVERIFY(windowsNamed(QStringLiteral("frmSummaryDisplay%1").arg(p)).isEmpty());

        QTest::mouseClick(program->summaryWindows().createdPage(1)->cmdSumClose, Qt::LeftButton);
        QVERIFY(!first[0]->isVisible());
        window.mnuPrevious->trigger();
        QCOMPARE(windowsNamed(QStringLiteral("frmSummaryDisplay0")), first);
        QVERIFY(first[0]->isVisible());
    }

    void pagesFill_data()
    {
        QTest::addColumn<int>("cards");
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QList<bool>>("next");
        QTest::newRow("stopped after 7") << 7 << QList<int>{7, 0, 0, 0, 0} << QList<bool>{false, false, false, false};
        QTest::newRow("20 fill page 1") << 20 << QList<int>{20, 0, 0, 0, 0}
                                        << QList<bool>{false, false, false, false};
        QTest::newRow("card 21 opens page 2") << 21 << QList<int>{20, 1, 0, 0, 0}
                                              << QList<bool>{true, false, false, false};
        QTest::newRow("41") << 41 << QList<int>{20, 20, 1, 0, 0} << QList<bool>{true, true, false, false};
        QTest::newRow("81") << 81 << QList<int>{20, 20, 20, 20, 1} << QList<bool>{true, true, true, true};
        QTest::newRow("100 fill five pages") << 100 << QList<int>{20, 20, 20, 20, 20}
                                             << QList<bool>{true, true, true, true};
    }
    void pagesFill()
    {
        QFETCH(int, cards);
        QFETCH(QList<int>, rows);
        QFETCH(QList<bool>, next);
        playGame(*program, cards);
        SummaryWindows &windows = program->summaryWindows();
        for (int p = 1; p <= 5; ++p) {
            windows.showPage(p);
            const SummaryPage &page = *windows.createdPage(p);
            QCOMPARE(shownRows(page), rows[p - 1]);
            if (p < 5)
                QCOMPARE(page.cmdSumNext->isVisible(), next[p - 1]);
            else
                QVERIFY(!page.cmdSumNext);
            if (rows[p - 1] > 0) {
                const int last = GameSummary::rowOnPage(p, rows[p - 1]);
                QCOMPARE(page.lblSum.value(last)->text(), card(last - 1, true, true).problem);
            }
        }
        QCOMPARE(windows.createdPage(1)->lblSum.value(1)->text(), QStringLiteral("%1 cards").arg(cards));
    }

    void rowLook_data()
    {
        QTest::addColumn<bool>("right");
        QTest::addColumn<bool>("timed");
        QTest::addColumn<bool>("answered");
        QTest::addColumn<QString>("answer");
        QTest::newRow("right, timed") << true << true << true << "9";
        QTest::newRow("wrong, timed") << false << true << true << "1";
        QTest::newRow("right, timer off") << true << false << true << "9";
        QTest::newRow("wrong, timer off") << false << false << true << "1";
        QTest::newRow("verbal, nothing recorded") << true << false << false << "";
    }
    void rowLook()
    {
        QFETCH(bool, right);
        QFETCH(bool, timed);
        QFETCH(bool, answered);
        QFETCH(QString, answer);
        SummaryWindows &windows = program->summaryWindows();
        // An earlier game of the opposite kind must leave no trace.
        program->summary.addCardRow(card(1, !right, !timed));
        program->resetSummary();
        windows.showPage(1);
        CardRecord record = card(1, right, timed);
        record.hasGiven = answered;
        program->summary.addCardRow(record);

        const SummaryPage &page = *windows.createdPage(1);
        QLabel *problem = page.lblSum.value(2);
        QLabel *given = page.lblSuma.value(2);
        QLabel *time = page.lblSumb.value(2);
        QVERIFY(problem->isVisible());
        QVERIFY(given->isVisible());
        QCOMPARE(time->isVisible(), timed);
        QCOMPARE(problem->text(), QStringLiteral("1 x 9 = 9"));
        QCOMPARE(given->text(), answer);
        QCOMPARE(time->text(), timed ? QStringLiteral("0:1") : QString());
        for (QLabel *cell : {problem, given, time})
            QCOMPARE(textColour(cell), right ? black : red);
        QVERIFY(!page.lblSum.value(3)->isVisible());
    }

    void newGameHidesTheLastOne()
    {
        playGame(*program, 60);
        SummaryWindows &windows = program->summaryWindows();
        for (int p = 1; p <= 3; ++p)
            windows.showPage(p);
        program->frmProgram()->mnuPrevious->setEnabled(true);

        // Start, in the middle of which the summary is reset: the pages of the
        // last game close, and Save or Print during the game do nothing.
        program->session.state = 1;
        program->resetSummary();
        for (int p = 1; p <= 3; ++p)
            QVERIFY(!windows.createdPage(p)->isVisible());
        windows.showPage(1);
        QTest::mouseClick(windows.createdPage(1)->cmdSumSave, Qt::LeftButton);
        if (windows.createdPage(1)->cmdSumPrint)
            QTest::mouseClick(windows.createdPage(1)->cmdSumPrint, Qt::LeftButton);
        QVERIFY(platform->fileDialogs.isEmpty());
        QVERIFY(platform->printedFiles.isEmpty());
        program->session.state = 0;
        for (int p = 1; p <= 3; ++p) {
            windows.showPage(p);
            const SummaryPage &page = *windows.createdPage(p);
            for (int k = 1; k <= GameSummary::rowsPerPage; ++k) {
                const int r = GameSummary::rowOnPage(p, k);
                for (const QMap<int, QLabel *> *column : {&page.lblSum, &page.lblSuma, &page.lblSumb})
                    QVERIFY(!column->value(r)->isVisible());
            }
            QVERIFY(!page.cmdSumNext->isVisible());
        }
        QCOMPARE(windows.createdPage(1)->lblSum.value(1)->text(), QStringLiteral("60 cards"));
        QVERIFY(!program->frmProgram()->mnuPrevious->isEnabled());
    }

    void paging_data()
    {
        QTest::addColumn<QString>("clicks"); // N for "Next >>>", P for "<<Previous"
        QTest::addColumn<int>("page");
        QTest::newRow("none") << "" << 1;
        QTest::newRow("next") << "N" << 2;
        QTest::newRow("to the end") << "NNNN" << 5;
        QTest::newRow("there and back") << "NNNNPPPP" << 1;
        QTest::newRow("back and forth") << "NNPNNP" << 3;
    }
    void paging()
    {
        QFETCH(QString, clicks);
        QFETCH(int, page);
        playGame(*program, 100);
        SummaryWindows &windows = program->summaryWindows();
        windows.showPage(1);
        int current = 1;
        for (const QChar click : clicks) {
            const SummaryPage &shown = *windows.createdPage(current);
            const bool next = click == QLatin1Char('N');
            QTest::mouseClick(next ? shown.cmdSumNext : shown.cmdSumPrev, Qt::LeftButton);
            current += next ? 1 : -1;
            for (int p = 1; p <= 5; ++p) {
                const SummaryPage *window = windows.createdPage(p);
                QCOMPARE(window && window->isVisible(), p == current);
            }
        }
        QCOMPARE(current, page);
    }

    void close_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("tabsWanted");
        QTest::addColumn<bool>("gameRunning");
        QTest::newRow("page 1, tabs wanted") << 1 << true << false;
        QTest::newRow("page 3, tabs wanted") << 3 << true << false;
        QTest::newRow("page 1, tabs hidden") << 1 << false << false;
        QTest::newRow("page 2 during a game") << 2 << true << true;
    }
    void close()
    {
        QFETCH(int, page);
        QFETCH(bool, tabsWanted);
        QFETCH(bool, gameRunning);
        // The introduction, shown at start-up, would hold the main window.
        QTest::mouseClick(program->frmHelpIntro()->Command1, Qt::LeftButton);
        MainWindow &window = *program->frmProgram();
        if (!tabsWanted)
            window.mnuSetup->trigger();
        QCOMPARE(window.setup->setupTabsWanted(), tabsWanted);
        playGame(*program, 60);
        SummaryWindows &windows = program->summaryWindows();
        windows.showPage(page);
        window.setup->hide();
        window.setEnabled(false);
        window.board->showStartFace(true);
        window.board->feedback->imgPrevious->show();
        window.board->feedback->lblPrevious->show();
        window.board->lblCardReport->setText(QStringLiteral("Card 5 of 20"));
        window.board->lblCardReport->hide();
        program->session.state = gameRunning ? 1 : 0;

        QTest::mouseClick(windows.createdPage(page)->cmdSumClose, Qt::LeftButton);

        QVERIFY(!windows.createdPage(page)->isVisible());
        const bool restored = !gameRunning;
        QCOMPARE(window.setup->isVisible(), restored && tabsWanted);
        QVERIFY(window.isVisible());
        QCOMPARE(window.isEnabled(), restored);
        QVERIFY(showsFace(window.board->cmdStart, restored ? window.board->imgStart : window.board->imgStop));
        QCOMPARE(window.board->feedback->imgPrevious->isVisible(), !restored);
        QCOMPARE(window.board->feedback->lblPrevious->isVisible(), !restored);
        QCOMPARE(window.board->lblCardReport->text(), restored ? QStringLiteral("Card Counter") : QStringLiteral("Card 5 of 20"));
        QCOMPARE(window.board->lblCardReport->isVisible(), restored);
    }

    void openReport_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("openBefore");
        QTest::addColumn<bool>("openAfter");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("messages");
        const QByteArray five = "\"-sdr-\",\"  Five\"\r\n"
                                "\"1 + 1 = 2\",\"2\",\"0:3\",0,0\r\n"
                                "\"2 + 2 = 4\",\"5\",\"0:4\",255,0\r\n"
                                "\"3 + 3 = 6\",\"6\",\"\",0,0\r\n"
                                "\"4 + 4 = 8\",\"8\",\"\",0,0\r\n"
                                "\"5 + 5 = 10\",\"10\",\"\",0,0\r\n";
        QTest::newRow("over the open page") << five << true << true << 5 << "  Five" << 0;
        QTest::newRow("page closed") << five << false << true << 5 << "  Five" << 0;
        QTest::newRow("not a report") << QByteArray("\"-SDR-\",\"x\"\r\n") << false << false << 30 << "30 cards" << 1;
        QTest::newRow("cut short") << QByteArray("\"-sdr-\",\"Cut\"\r\n\"a\",\"1\",\"\",0,0\r\n\"b\",") << false
                                   << false << 1 << "Cut" << 0;
        QTest::newRow("empty") << QByteArray() << true << true << 30 << "30 cards" << 0;
    }
    void openReport()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, openBefore);
        QFETCH(bool, openAfter);
        QFETCH(int, rows);
        QFETCH(QString, result);
        QFETCH(int, messages);
        const QString path = workDir.filePath(QStringLiteral("game.txt"));
        writeBytes(path, bytes);
        playGame(*program, 30);
        SummaryWindows &windows = program->summaryWindows();
        if (openBefore)
            windows.showPage(1);
        MainWindow &window = *program->frmProgram();
        window.mnuPrevious->setEnabled(false);

        platform->fileNames.push_back(path);
        window.mnuSavedGame->trigger();

        QCOMPARE(platform->fileDialogs.size(), 1);
        QCOMPARE(platform->messages.size(), messages);
        const SummaryPage *page = windows.createdPage(1);
        QCOMPARE(page && page->isVisible(), openAfter);
        QVERIFY(!window.mnuPrevious->isEnabled());
        windows.showPage(1);
        page = windows.createdPage(1);
        QCOMPARE(shownRows(*page), std::min(rows, 20));
        QCOMPARE(page->lblSum.value(1)->text(), result);
        QCOMPARE(page->cmdSumNext->isVisible(), rows > 20);
        if (rows == 5) {
            QCOMPARE(textColour(page->lblSuma.value(3)), red);
            QCOMPARE(textColour(page->lblSuma.value(4)), black);
            QVERIFY(page->lblSumb.value(6)->isVisible());
            QCOMPARE(page->lblSumb.value(6)->text(), QString());
        }
    }

    void saveWritesTheShownSummary_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("extension added") << "scores" << "scores.txt";
        QTest::newRow("cancelled") << "" << "";
    }
    void saveWritesTheShownSummary()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        playGame(*program, 4);
        SummaryWindows &windows = program->summaryWindows();
        windows.showPage(1);
        platform->fileNames.push_back(chosen.isEmpty() ? QString() : workDir.filePath(chosen));
        QTest::mouseClick(windows.createdPage(1)->cmdSumSave, Qt::LeftButton);

        QCOMPARE(platform->fileDialogs.size(), 1);
        QCOMPARE(platform->fileDialogs[0], qMakePair(QStringLiteral("Text Files (*.txt)"), QStringLiteral("*.txt")));
        const QStringList reports = QDir(workDir.path()).entryList({QStringLiteral("*.txt")}, QDir::Files);
        QCOMPARE(reports, written.isEmpty() ? QStringList() : QStringList{written});
        if (written.isEmpty())
            return;
        QFile file(workDir.filePath(written));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().count("\r\n"), 5);
    }

    void printPrintsTheSummary_data()
    {
        QTest::addColumn<bool>("accepted");
        QTest::newRow("printed") << true;
        QTest::newRow("cancelled") << false;
    }
    void printPrintsTheSummary()
    {
        QFETCH(bool, accepted);
        playGame(*program, 4);
        program->summary.setResultLine(QStringLiteral("Results for: Robin"));
        program->summaryWindows().showPage(1);
        platform->printAccepted = accepted;
        QTest::mouseClick(program->summaryWindows().createdPage(1)->cmdSumPrint, Qt::LeftButton);

        QCOMPARE(platform->printedFiles.size(), accepted ? 1 : 0);
        QVERIFY(platform->messages.isEmpty());
        if (!accepted)
            return;
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {platform->printedFiles[0], QStringLiteral("-")});
        QVERIFY(text.waitForFinished(30000));
        const QString printed = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY2(printed.contains(QStringLiteral("Robin")), qPrintable(printed));
        QVERIFY(printed.contains(versionLabel()));
        QVERIFY(printed.contains(QStringLiteral("4 x 9 = 36")));
    }

    void geometry_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("box");
        QTest::newRow("result line") << 1 << "lblSum(1)" << QRect(16, 56, 624, 19);
        QTest::newRow("page 1 first row") << 1 << "lblSum(2)" << QRect(14, 107, 90, 17);
        QTest::newRow("page 5 last row") << 5 << "lblSum(101)" << QRect(14, 472, 90, 17);
        QTest::newRow("save") << 1 << "cmdSumSave" << QRect(217, 494, 96, 34);
        QTest::newRow("previous on page 2") << 2 << "cmdSumPrev1" << QRect(351, 494, 96, 34);
        QTest::newRow("next on page 4") << 4 << "cmdSumNext3" << QRect(484, 494, 96, 34);
    }
    void geometry()
    {
        QFETCH(int, page);
        QFETCH(QString, name);
        QFETCH(QRect, box);
        program->summaryWindows().showPage(page);
        const QWidget *control = program->summaryWindows().createdPage(page)->findChild<QWidget *>(name);
        QVERIFY(control);
        QCOMPARE(control->geometry(), box);
    }

    void resultLineStaysReadable_data()
    {
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("height");
        QTest::newRow("short") << "No game to display." << 19;
        QTest::newRow("long")
            << "Results for: Alexandra Montgomery   Date: 12/8/2026         Game Time 13:41"
               "       You did not complete this game. You did 24 cards."
            << 32;
        QTest::newRow("longest name")
            << "Results for: " + QString(SetupPanel::longestName, QLatin1Char('W'))
                   + "   Date: 12/31/2026         Game Time 999:59       You got 97 right out of 100. That's a score of 97%"
            << -1;
        QTest::newRow("a loaded line of any length") << QString(3000, QLatin1Char('M')) << -1;
    }
    void resultLineStaysReadable()
    {
        QFETCH(QString, result);
        QFETCH(int, height);
        program->summaryWindows().showPage(1);
        const QLabel *line = program->summaryWindows().createdPage(1)->lblSum.value(1);
        program->summary.setResultLine(result);
        if (height > 0)
            QCOMPARE(line->height(), height);
        QVERIFY(line->heightForWidth(line->width()) <= line->height());
        // Nothing covers the header, the rows or the buttons, and the page fits a small screen.
        SummaryPage *page = program->summaryWindows().createdPage(1);
        const QLabel *header = page->lblSum.value(0);
        QVERIFY(line->geometry().bottom() < header->y());
        QVERIFY(header->geometry().bottom() < page->lblSum.value(2)->y());
        QVERIFY(page->lblSum.value(21)->geometry().bottom() < page->cmdSumSave->y());
        QVERIFY(page->rect().contains(page->cmdSumSave->geometry()));
        QVERIFY(page->height() <= 600 - 40);
        if (result.contains(QLatin1String("97%")))
            QVERIFY(line->text().endsWith(QLatin1String("97%")));
        program->summary.setResultLine(QStringLiteral("3 + 3 = 6"));
        QCOMPARE(line->height(), 19);
        QCOMPARE(header->y(), 88);
        QCOMPARE(page->height(), 533);
    }

private:
    TestFolder workDir;
    std::unique_ptr<FakePlatform> platform;
    std::unique_ptr<Program> program;
};

QTEST_MAIN(SummaryWindowsTest)
#include "tst_summarywindows.moc"
