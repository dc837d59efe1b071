#include "play/gametimers.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include "platform/dialogs.h"
#include "setup/settings.h"
#include "game/clock.h"
#include "game/timerdisplay.h"
#include "setup/setuppanel.h"

GameTimers::GameTimers(GameSession &session, const GameSettings &settings, const SetupPanel &setup,
                       TimerDisplay &clocks, const Dialogs &dialogs)
    : session(session)
    , settings(settings)
    , setup(setup)
    , clocks(clocks)
    , dialogs(dialogs)
{
}

ClockOptions GameTimers::options() const
{
    ClockOptions options;
    options.timer = setup.chkTimer->isChecked();
    options.gameLimit = setup.chkCountDown->isChecked();
    options.cardLimit = setup.chkCardTime->isChecked();
    options.gameLimitMinutes = settings.gameTimeLimit;
    options.cardTimeLimit = settings.cardTimeLimit;
    return options;
}

void GameTimers::startTimers()
{
    const ClockTexts texts = startClocks(session, options());
    clocks.txtTotalTime->setText(texts.totalTime);
    clocks.txtCardTime->setText(texts.cardTime);
    for (QWidget *shown : {static_cast<QWidget *>(clocks.imgTotalTime), static_cast<QWidget *>(clocks.imgCardTime),
                           static_cast<QWidget *>(clocks.txtTotalTime), static_cast<QWidget *>(clocks.txtCardTime)})
        shown->show();
}

void GameTimers::timerTick()
{
    // Behind an open question nothing moves: no card runs out and no second
    // question is asked.
    if (session.state == 0 || dialogs.questionOpen())
        return;
    const TickResult tick = tickClocks(session, options());
    if (tick.totalTime)
        clocks.txtTotalTime->setText(*tick.totalTime);
    if (tick.cardTime)
        clocks.txtCardTime->setText(*tick.cardTime);
    switch (tick.event) {
    case TickEvent::CardTimedOut:
        emit cardTimedOut();
        break;
    case TickEvent::GameTimedOut:
        emit gameTimedOut();
        break;
    case TickEvent::Nothing:
        break;
    }
}
