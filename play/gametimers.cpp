#include "play/gametimers.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include "app/mainwindow.h"
#include "app/program.h"
#include "game/clock.h"
#include "game/timerdisplay.h"
#include "setup/setuppanel.h"

GameTimers::GameTimers(Program &program)
    : program(program)
{
}

ClockOptions GameTimers::options() const
{
    const SetupPanel &setup = *program.frmProgram()->setup;
    ClockOptions options;
    options.timer = setup.chkTimer->isChecked();
    options.gameLimit = setup.chkCountDown->isChecked();
    options.cardLimit = setup.chkCardTime->isChecked();
    options.gameLimitMinutes = program.settings.gameTimeLimit;
    options.cardTimeLimit = program.settings.cardTimeLimit;
    return options;
}

void GameTimers::startTimers()
{
    TimerDisplay &clocks = *program.frmProgram()->timers;
    const ClockTexts texts = startClocks(program.session, options());
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
    if (program.session.state == 0 || program.questionOpen())
        return;
    TimerDisplay &clocks = *program.frmProgram()->timers;
    const TickResult tick = tickClocks(program.session, options());
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
