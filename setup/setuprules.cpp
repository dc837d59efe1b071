#include "setup/setuprules.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

#include "setup/rangerules.h"
#include "setup/setupcontrols.h"

SetupRules::SetupRules(SetupControls &controls, GameSettings &settings)
    : c(controls)
    , settings(settings)
{
}

int SetupRules::showValue(QSlider *slider, QLabel *label, int value)
{
    {
        const QSignalBlocker blocker(slider);
        slider->setValue(value);
    }
    label->setNum(slider->value());
    return slider->value();
}

void SetupRules::connectControls()
{
    // Keys, wheel and track clicks run a slider's rule at once. While the
    // handle is dragged only its label and setting follow; the rule runs
    // where it is let go. Program moves go through showValue and run none.
    const auto onMove = [this](QSlider *slider, QLabel *label, auto store, auto rule) {
        connect(slider, &QSlider::valueChanged, this, [slider, label, store, rule](int value) {
            if (!slider->isSliderDown())
                return rule(value);
            label->setNum(value);
            store(value);
        });
        connect(slider, &QSlider::sliderReleased, this, [slider, rule] { rule(slider->value()); });
    };
    const auto single = [onMove](QSlider *slider, QLabel *label, auto store) {
        const auto rule = [label, store](int value) {
            label->setNum(value);
            store(value);
        };
        onMove(slider, label, store, rule);
    };
    single(c.sldCardAmt, c.lblCardAmt, [this](int value) { settings.cardCount = value; });
    single(c.sldTop, c.lblTop, [this](int value) { settings.topLimit = value; });
    single(c.sldBot, c.lblBot, [this](int value) { settings.bottomLimit = value; });
    single(c.sldCountDown, c.lblCountDown, [this](int value) { settings.gameTimeLimit = value; });
    single(c.sldCardTime, c.lblCardTime, [this](int value) { settings.cardTimeLimit = qint16(value); });

    const auto store = [this](const Bound &bound) {
        return [this, bound](int value) { settings.*bound.setting = value; };
    };
    const auto rangePair = [this, onMove, store](const Bound &lower, const Bound &upper, auto lowerRule,
                                                 auto upperRule) {
        onMove(lower.slider, lower.label, store(lower),
               [this, lower, upper, lowerRule](int value) { moveRange(lower, upper, true, lowerRule, value); });
        onMove(upper.slider, upper.label, store(upper),
               [this, lower, upper, upperRule](int value) { moveRange(lower, upper, false, upperRule, value); });
    };
    rangePair({c.sldTopMin, c.lblTopMin, &GameSettings::topMin}, {c.sldTopMax, c.lblTopMax, &GameSettings::topMax},
              lowEndMoved, highEndMoved);
    rangePair({c.sldBotMin, c.lblBotMin, &GameSettings::bottomMin},
              {c.sldBotMax, c.lblBotMax, &GameSettings::bottomMax}, lowEndMoved, highEndMoved);
    rangePair({c.sldDivisor1, c.lblDivisor1, &GameSettings::divisorLow},
              {c.sldDivisor2, c.lblDivisor2, &GameSettings::divisorHigh}, lowEndMoved, highestDivisorMoved);

    connect(c.optAnsFormatSingle, &QRadioButton::toggled, this, &SetupRules::answerFormatChanged);
    connect(c.chkTimer, &QCheckBox::toggled, this, &SetupRules::timerChanged);
    connect(c.chkDivision, &QCheckBox::toggled, this, &SetupRules::divisionChanged);
    connect(c.chkCardTime, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            c.chkCountDown->setChecked(false);
    });
    connect(c.chkCountDown, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            c.chkCardTime->setChecked(false);
    });
}

void SetupRules::setBound(const Bound &bound, int value)
{
    settings.*bound.setting = showValue(bound.slider, bound.label, value);
}

// The moved end is always shown; the other only when the rule moves it.
void SetupRules::moveRange(const Bound &lower, const Bound &upper, bool lowerMoving, RangeEnds (*rule)(RangeEnds, int),
                           int value)
{
    const RangeEnds was{settings.*lower.setting, settings.*upper.setting};
    const RangeEnds ends = rule(was, value);
    if (lowerMoving || ends.low != was.low)
        setBound(lower, ends.low);
    if (!lowerMoving || ends.high != was.high)
        setBound(upper, ends.high);
}

void SetupRules::answerFormatChanged()
{
    const bool single = c.optAnsFormatSingle->isChecked();
    // The highlight keeps its tick for the next time the separate boxes are chosen.
    c.chkHigh->setEnabled(!single);
    if (single)
        c.chkCarry->setChecked(false);
    c.chkCarry->setEnabled(!single);
}

void SetupRules::timerChanged(bool on)
{
    for (QWidget *widget : std::initializer_list<QWidget *>{c.chkCountDown, c.sldCountDown, c.lblCountDown,
                                                            c.lblMinutes, c.sldCardTime, c.lblCardTime,
                                                            c.lblSeconds, c.chkCardTime})
        widget->setEnabled(on);
}

void SetupRules::divisionChanged(bool on)
{
    restoreDivisorSliders();
    c.FrameDivRange->setEnabled(on);
}

void SetupRules::restoreDivisorSliders()
{
    setBound({c.sldDivisor1, c.lblDivisor1, &GameSettings::divisorLow}, settings.divisorLow);
    setBound({c.sldDivisor2, c.lblDivisor2, &GameSettings::divisorHigh}, settings.divisorHigh);
}
