#pragma once

#include <QObject>

#include "setup/settings.h"

class QLabel;
class QSlider;
struct RangeEnds;
struct SetupControls;

// What a click, key or slider move does to the other controls and to the
// numeric settings.
class SetupRules : public QObject
{
    Q_OBJECT
public:
    SetupRules(SetupControls &controls, GameSettings &settings);

    // Once the tabs are built.
    void connectControls();

    void answerFormatChanged();
    void timerChanged(bool on);
    void divisionChanged(bool on);
    void restoreDivisorSliders();

    // A program move: slider and label take the value, the slider's rule does
    // not run. Returns the value the slider accepted.
    static int showValue(QSlider *slider, QLabel *label, int value);

private:
    // One end of a range: its slider, label and setting.
    struct Bound
    {
        QSlider *slider;
        QLabel *label;
        int GameSettings::*setting;
    };
    void setBound(const Bound &bound, int value);
    void moveRange(const Bound &lower, const Bound &upper, bool lowerMoving, RangeEnds (*rule)(RangeEnds, int),
                   int value);

    SetupControls &c;
    GameSettings &settings;
};
