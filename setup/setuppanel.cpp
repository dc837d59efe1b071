#include "setup/setuppanel.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QAbstractSlider>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QSet>
#include <QSlider>

#include <utility>

#include "setup/setuptabs.h"
#include "ui/widgets.h"

namespace {


// The commands' captions tell their state; they are asked for in the
// language of the moment, never kept from before a translation is loaded.
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

SetupPanel::SetupPanel(GameSettings &settings, QWidget *parent)
    : QTabWidget(parent)
    , settings(settings)
    , rules(*this, settings)
    , binding(*this, *this, settings, rules)
{
    buildSetupTabs(*this, *this);
    rules.connectControls();
    rules.timerChanged(false);
    rules.divisionChanged(false);
    attachMenu(ownCommand(this, QStringLiteral("mnuAdvanced"), tr("Advanced Set Up")),
               ownCommand(this, QStringLiteral("mnuBasic"), tr("Basic Set Up")),
               ownCommand(this, QStringLiteral("mnuToolTips"), enableToolTipsText()),
               ownCommand(this, QStringLiteral("mnuSetup"), hideSetupText()));
}

bool SetupPanel::changeAllowed() const
{
    return !changeGuard || changeGuard();
}

void SetupPanel::applySettings(const SettingsRecord &record)
{
    binding.apply(record);
    setRangeMode(record.advancedRange);
}

SettingsRecord SetupPanel::collectSettings(bool skipIntroHelp) const
{
    return binding.collect(skipIntroHelp);
}

WorksheetSetup SetupPanel::worksheetSetup() const
{
    return binding.worksheetSetup();
}

void SetupPanel::restoreDivisorSliders()
{
    rules.restoreDivisorSliders();
}

bool SetupPanel::highlightActive() const
{
    // Relative to the panel, so a hidden panel or a disabled main window does not count.
    return chkHigh->isChecked() && chkHigh->isEnabledTo(this);
}

bool SetupPanel::singleBoxSelected() const
{
    return optAnsFormatSingle->isChecked();
}

int SetupPanel::divisionResultLimit() const
{
    return chk10->isChecked() ? 10 : 12;
}

QString SetupPanel::playerName() const
{
    return txtName->text();
}

void SetupPanel::attachMenu(QAction *advanced, QAction *basic, QAction *toolTips, QAction *setup)
{
    for (QAction *own : {mnuAdvanced, mnuBasic, mnuToolTips, mnuSetup}) {
        if (own && own->parent() == this)
            delete own;
    }
    mnuAdvanced = advanced;
    mnuBasic = basic;
    mnuToolTips = toolTips;
    mnuSetup = setup;
    const auto guarded = [this](void (SetupPanel::*command)()) {
        return [this, command] {
            if (changeAllowed())
                (this->*command)();
        };
    };
    connect(mnuAdvanced, &QAction::triggered, this, guarded(&SetupPanel::showAdvancedSetup));
    connect(mnuBasic, &QAction::triggered, this, guarded(&SetupPanel::showBasicSetup));
    connect(mnuToolTips, &QAction::triggered, this, &SetupPanel::toggleToolTips);
    connect(mnuSetup, &QAction::triggered, this, guarded(&SetupPanel::toggleSetupTabs));
    setRangeMode(settings.advancedRange);
}

void SetupPanel::setChangeGuard(std::function<bool()> mayChange)
{
    changeGuard = std::move(mayChange);
    for (int page = 0; page < count(); ++page) {
        for (QWidget *control : widget(page)->findChildren<QWidget *>()) {
            if (qobject_cast<QAbstractButton *>(control) || qobject_cast<QAbstractSlider *>(control))
                control->installEventFilter(this);
        }
    }
}

// A refused control holds still but answers: the press, a key that would
// change it or the wheel tells why, once per try. Without its press, the rest
// of a try changes nothing.
bool SetupPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (!changeGuard || !static_cast<QWidget *>(watched)->isEnabled())
        return QTabWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        return !changeGuard();
    case QEvent::KeyPress: {
        const auto *keys = static_cast<QKeyEvent *>(event);
        // Moving on, help, Enter and the menus' shortcuts change nothing here.
        static const QSet<int> passing{Qt::Key_Tab,   Qt::Key_Backtab, Qt::Key_F1,      Qt::Key_Escape,
                                       Qt::Key_Return, Qt::Key_Enter,  Qt::Key_Shift,   Qt::Key_Control,
                                       Qt::Key_Alt,    Qt::Key_Meta,   Qt::Key_AltGr};
        const auto shortcut = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
        if (passing.contains(keys->key()) || (keys->modifiers() & shortcut))
            return false;
        return !changeGuard();
    }
    default:
        return QTabWidget::eventFilter(watched, event);
    }
}

void SetupPanel::showEvent(QShowEvent *event)
{
    QTabWidget::showEvent(event);
    // Widths are known once the panel is laid out, and a page's once it shows.
    fitCaptions(this);
}

void SetupPanel::attachKeypad(QWidget *keypad)
{
    frmKeypad = keypad;
    applyToolTips(toolTipsEnabled());
}

void SetupPanel::setRangeMode(bool advanced)
{
    settings.advancedRange = advanced;
    mnuAdvanced->setVisible(!advanced);
    mnuBasic->setVisible(advanced);
    frmTopDigits->setVisible(advanced);
    frmBotDigits->setVisible(advanced);
    frmTopRange->setVisible(!advanced);
    frmBotRange->setVisible(!advanced);
}

void SetupPanel::showAdvancedSetup()
{
    setRangeMode(true);
}

void SetupPanel::showBasicSetup()
{
    setRangeMode(false);
}

void SetupPanel::toggleToolTips()
{
    const bool enable = mnuToolTips->text() == enableToolTipsText();
    applyToolTips(enable);
    mnuToolTips->setText(enable ? disableToolTipsText() : enableToolTipsText());
}

void SetupPanel::applyToolTips(bool on)
{
    const std::pair<QWidget *, const char *> tips[] = {
        {chkAddition, QT_TR_NOOP("Check for addition")},
        {chkSubtraction, QT_TR_NOOP("Check for Subtraction")},
        {chkMultiplication, QT_TR_NOOP("Check for Multiplication")},
        {chkCardCountDisp, QT_TR_NOOP("Check to display card count during the game")},
        {chkCountDown, QT_TR_NOOP("Set pre-set time for game. Timer counts down and game ends when time is 0.")},
        {chkCardTime,
         QT_TR_NOOP("Set time limt for each card. Card will advance if answer is not entered before time elapsed.")},
        {chkPrevCard, QT_TR_NOOP("Check to display the previous problem and answer")},
        {chkCarry, QT_TR_NOOP("Check to display boxes to write carry over numbers")},
        {chkSounds, QT_TR_NOOP("check to have sound played after each answer entered. Different for Right or Wrong.")},
        {chkSummary, QT_TR_NOOP("Check to display Summary of entire game with ability to print and save to a file")},
        {chkTimer, QT_TR_NOOP("Check to display game and card timers")},
        {chkVerbal, QT_TR_NOOP("Check to use verbal answers under supervision")},
        {optAnsFormatSingle, QT_TR_NOOP("Use single data entry box. Good for simple problems")},
        {optAnsFormatSeparate, QT_TR_NOOP("Use separate entry boxes from left to right. Goo for more complex problems")},
        {frmBotDigits, QT_TR_NOOP("Select highest number for random problem")},
        {frmTopDigits, QT_TR_NOOP("Select highest number for random problem")},
        {sldCardAmt, QT_TR_NOOP("Select the total number of cards for the game")},
        {frmKeypad, QT_TR_NOOP("Use your mouse with this keypad to enter answers")},
    };
    for (const auto &[widget, tip] : tips) {
        if (widget)
            widget->setToolTip(on ? tr(tip) : QString());
    }
    chkPractise->setToolTip(on ? tr("Check to deal more of the facts this player finds hard, and to bring a "
                                     "missed fact back a few cards later")
                               : QString());
}

bool SetupPanel::toolTipsEnabled() const
{
    return mnuToolTips->text() == disableToolTipsText();
}

void SetupPanel::toggleSetupTabs()
{
    const bool hide = setupTabsWanted();
    setVisible(!hide);
    mnuSetup->setText(hide ? showSetupText() : hideSetupText());
}

bool SetupPanel::setupTabsWanted() const
{
    return mnuSetup->text() == hideSetupText();
}
