#pragma once

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "ui/clicklabel.h"
#include "app/mainwindow.h"
#include "platform/product.h"
#include "play/gameboard.h"
#include "app/program.h"
#include "ui/widgets.h"
#include "entry/answerarea.h"
#include "entry/answerchecking.h"
#include "entry/answerentry.h"
#include "entry/feedbackview.h"
#include "entry/keypad.h"
#include "fakes/fakeplatform.h"
#include "game/cardview.h"
#include "play/gameflow.h"
#include "play/gametimers.h"
#include "game/timerdisplay.h"
#include "setup/setuppanel.h"

// A fresh folder made the working directory, where the program finds and
// keeps its settings file; entering again leaves the last one for a new one.
class TestFolder
{
public:
    // False when the folder cannot be made or entered, or the setup given not written into it.
    bool enter(const SettingsRecord *setup = nullptr)
    {
        dir = std::make_unique<QTemporaryDir>();
        return dir->isValid() && QDir::setCurrent(dir->path()) && (!setup || saveSettingsFile(*setup));
    }
    QString path() const { return dir->path(); }
    QString filePath(const QString &name) const { return dir->filePath(name); }

private:
    std::unique_ptr<QTemporaryDir> dir;
};

// Whether a picture box shows the stored picture of that id, at its density.
inline bool shows(const QLabel *label, int pictureId)
{
    const QImage expected = loadPicture(pictureId, PictureKind::Bitmap, label->pixmap().devicePixelRatio()).toImage();
    return !expected.isNull() && label->pixmap().toImage() == expected;
}

// An empty practice history in home, for a test that must not meet the
// games of the tests before it (they would change what the game's end says).
inline void useEmptyHistory(const QTemporaryDir &home)
{
    const QString data = home.filePath(QStringLiteral("data"));
    QDir(data).removeRecursively();
    qputenv("XDG_DATA_HOME", data.toLocal8Bit());
}

// Starts the program in a fresh working folder with a chosen setup and
// plays it through the real widgets. The number ranges are Basic 1 to 99, so
// that a card's numbers can be forced through the random queue.
class GameDriver
{
public:
    static SettingsRecord defaultSetup()
    {
        SettingsRecord setup;
        setup.cardCount = 10;
        setup.useAddition = true;
        setup.topLimit = 99;
        setup.bottomLimit = 99;
        setup.divisorLow = 2;
        setup.divisorHigh = 9;
        setup.answerFormat = 1; // separate boxes
        setup.showCardCount = true;
        setup.showPreviousCard = true;
        setup.highlightEntry = true;
        setup.skipIntroHelp = true;
        return setup;
    }

    // A test checks started() before it drives anything: a check here could
    // only end the constructor, and the test would go on without a program.
    explicit GameDriver(const SettingsRecord &setup = defaultSetup(), QSize screen = QSize(1280, 1024),
                        const QVariantMap &userOptions = {})
    {
        platform.screen = screen;
        platform.options = userOptions;
        if (!folder.enter(&setup))
            return;
        program = startProgram(platform);
        if (program)
            window()->activateWindow();
    }
    bool started() const { return program != nullptr; }

    MainWindow *window() const { return program->frmProgram(); }
    SetupPanel &setup() const { return *window()->setup; }
    AnswerArea &boxes() const { return *window()->board->answers; }
    FeedbackView &feedback() const { return *window()->board->feedback; }
    CardView &card() const { return *window()->board->card; }
    Keypad &keypad() const { return *window()->board->keypad; }
    TimerDisplay &clocks() const { return *window()->board->timers; }
    GameSession &session() const { return program->session; }
    GameFlow &game() const { return program->game(); }

    // r values that make the Basic generator draw exactly these numbers.
    static double pick(int value, int outOf) { return (value - 0.5) / outOf; }
    void queue(std::initializer_list<double> values)
    {
        platform.queuedRandom.values.insert(platform.queuedRandom.values.end(), values);
    }
    void queueAddition(int top, int bottom) { queue({pick(top, 99), pick(bottom, 99)}); }
    void queueSubtraction(int top, int bottom) { queue({pick(top, 99), pick(bottom, top)}); }
    void queueMultiplication(int top, int bottom) { queue({pick(top, 99), pick(bottom, 9)}); }
    // Divisors 2 to 9, quotients 1 to the result limit.
    void queueDivision(int divisor, int quotient, int resultLimit)
    {
        queue({pick(divisor - 1, 8), pick(quotient, resultLimit)});
    }

    void clickStart() { QTest::mouseClick(window()->board->cmdStart, Qt::LeftButton); }
    void click(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton); }

    // Types an answer into the separate boxes, units first, as a child does.
    void typeSeparate(int answer)
    {
        const QString digits = QString::number(answer);
        for (qsizetype i = digits.size() - 1; i >= 0; --i)
            QTest::keyClick(focused(), digits.at(i).toLatin1());
        QTest::keyClick(focused(), Qt::Key_Return);
    }
    void typeSingle(const QString &text)
    {
        QTest::keyClicks(boxes().txtAnswerSingle, text);
        QTest::keyClick(boxes().txtAnswerSingle, Qt::Key_Return);
    }

    QWidget *focused() const { return window()->focusWidget(); }

    TestFolder folder;
    FakePlatform platform;
    std::unique_ptr<Program> program;
};
