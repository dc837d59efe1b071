#include "setup/setupcommands.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QRadioButton>
#include <QSlider>

#include <utility>

#include "setup/settings.h"
#include "setup/setupcontrols.h"

namespace {

// The panel's texts, under the panel's name wherever they are asked for.
QString enableToolTipsText()
{
    return QCoreApplication::translate("SetupPanel", "Enable Tool Tips");
}
QString disableToolTipsText()
{
    return QCoreApplication::translate("SetupPanel", "Disable Tool Tips");
}
QString hideSetupText()
{
    return QCoreApplication::translate("SetupPanel", "Hide Setup Tabs");
}
QString showSetupText()
{
    return QCoreApplication::translate("SetupPanel", "Show Setup Tabs");
}

QAction *ownCommand(QObject *parent, const QString &name, const QString &caption)
{
    auto *action = new QAction(caption, parent);
    action->setObjectName(name);
    return action;
}

} // namespace

SetupCommands::SetupCommands(QWidget &panel, SetupControls &controls, GameSettings &settings,
                             std::function<bool()> mayChange)
    : panel(panel)
    , c(controls)
    , settings(settings)
    , mayChange(std::move(mayChange))
{
}

void SetupCommands::useOwnCommands()
{
    attach(ownCommand(&panel, QStringLiteral("mnuAdvanced"),
                      QCoreApplication::translate("SetupPanel", "Advanced Set Up")),
           ownCommand(&panel, QStringLiteral("mnuBasic"), QCoreApplication::translate("SetupPanel", "Basic Set Up")),
           ownCommand(&panel, QStringLiteral("mnuToolTips"), enableToolTipsText()),
           ownCommand(&panel, QStringLiteral("mnuSetup"), hideSetupText()));
}

void SetupCommands::attach(QAction *advanced, QAction *basic, QAction *toolTips, QAction *setup)
{
    for (QAction *own : {mnuAdvanced, mnuBasic, mnuToolTips, mnuSetup}) {
        if (own && own->parent() == &panel)
            delete own;
    }
    mnuAdvanced = advanced;
    mnuBasic = basic;
    mnuToolTips = toolTips;
    mnuSetup = setup;
    const auto guarded = [this](auto command) {
        return [this, command] {
            if (mayChange())
                command();
        };
    };
    connect(mnuAdvanced, &QAction::triggered, this, guarded([this] { setRangeMode(true); }));
    connect(mnuBasic, &QAction::triggered, this, guarded([this] { setRangeMode(false); }));
    connect(mnuToolTips, &QAction::triggered, this, &SetupCommands::toggleToolTips);
    connect(mnuSetup, &QAction::triggered, this, guarded([this] { toggleSetupTabs(); }));
    showState();
    setRangeMode(settings.advancedRange);
}

void SetupCommands::attachKeypad(QWidget *keypad)
{
    frmKeypad = keypad;
    applyToolTips(toolTipsOn);
}

void SetupCommands::setRangeMode(bool advanced)
{
    settings.advancedRange = advanced;
    mnuAdvanced->setVisible(!advanced);
    mnuBasic->setVisible(advanced);
    c.frmTopDigits->setVisible(advanced);
    c.frmBotDigits->setVisible(advanced);
    c.frmTopRange->setVisible(!advanced);
    c.frmBotRange->setVisible(!advanced);
}

void SetupCommands::toggleToolTips()
{
    toolTipsOn = !toolTipsOn;
    applyToolTips(toolTipsOn);
    showState();
}

void SetupCommands::toggleSetupTabs()
{
    tabsWanted = !tabsWanted;
    panel.setVisible(tabsWanted);
    showState();
}

// The captions are asked for in the language of the moment, never kept from
// before a translation is loaded.
void SetupCommands::showState()
{
    mnuToolTips->setText(toolTipsOn ? disableToolTipsText() : enableToolTipsText());
    mnuSetup->setText(tabsWanted ? hideSetupText() : showSetupText());
}

void SetupCommands::applyToolTips(bool on)
{
    const std::pair<QWidget *, const char *> tips[] = {
        {c.chkAddition, QT_TRANSLATE_NOOP("SetupPanel", "Check for addition")},
        {c.chkSubtraction, QT_TRANSLATE_NOOP("SetupPanel", "Check for Subtraction")},
        {c.chkMultiplication, QT_TRANSLATE_NOOP("SetupPanel", "Check for Multiplication")},
        {c.chkCardCountDisp, QT_TRANSLATE_NOOP("SetupPanel", "Check to display card count during the game")},
        {c.chkCountDown, QT_TRANSLATE_NOOP("SetupPanel", "Set pre-set time for game. Timer counts down and game "
                                                         "ends when time is 0.")},
        {c.chkCardTime, QT_TRANSLATE_NOOP("SetupPanel", "Set time limt for each card. Card will advance if answer "
                                                        "is not entered before time elapsed.")},
        {c.chkPrevCard, QT_TRANSLATE_NOOP("SetupPanel", "Check to display the previous problem and answer")},
        {c.chkCarry, QT_TRANSLATE_NOOP("SetupPanel", "Check to display boxes to write carry over numbers")},
        {c.chkSounds, QT_TRANSLATE_NOOP("SetupPanel", "check to have sound played after each answer entered. "
                                                      "Different for Right or Wrong.")},
        {c.chkSummary, QT_TRANSLATE_NOOP("SetupPanel", "Check to display Summary of entire game with ability to "
                                                       "print and save to a file")},
        {c.chkTimer, QT_TRANSLATE_NOOP("SetupPanel", "Check to display game and card timers")},
        {c.chkVerbal, QT_TRANSLATE_NOOP("SetupPanel", "Check to use verbal answers under supervision")},
        {c.optAnsFormatSingle,
         QT_TRANSLATE_NOOP("SetupPanel", "Use single data entry box. Good for simple problems")},
        {c.optAnsFormatSeparate, QT_TRANSLATE_NOOP("SetupPanel", "Use separate entry boxes from left to right. Goo "
                                                                 "for more complex problems")},
        {c.frmBotDigits, QT_TRANSLATE_NOOP("SetupPanel", "Select highest number for random problem")},
        {c.frmTopDigits, QT_TRANSLATE_NOOP("SetupPanel", "Select highest number for random problem")},
        {c.sldCardAmt, QT_TRANSLATE_NOOP("SetupPanel", "Select the total number of cards for the game")},
        {frmKeypad, QT_TRANSLATE_NOOP("SetupPanel", "Use your mouse with this keypad to enter answers")},
        {c.chkPractise, QT_TRANSLATE_NOOP("SetupPanel", "Check to deal more of the facts this player finds hard, "
                                                        "and to bring a missed fact back a few cards later")},
    };
    for (const auto &[widget, tip] : tips) {
        if (widget)
            widget->setToolTip(on ? QCoreApplication::translate("SetupPanel", tip) : QString());
    }
}
