#include "setup/setuppanel.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QSet>

#include <utility>

#include "setup/setuptabs.h"
#include "ui/widgets.h"

SetupPanel::SetupPanel(GameSettings &settings, QWidget *parent)
    : QTabWidget(parent)
    , settings(settings)
    , rules(*this, settings)
    , commands(*this, *this, settings, [this] { return changeAllowed(); })
    , binding(*this, *this, settings, rules)
{
    buildSetupTabs(*this, *this);
    rules.connectControls();
    rules.timerChanged(false);
    rules.divisionChanged(false);
    commands.useOwnCommands();
}

bool SetupPanel::changeAllowed() const
{
    return !changeGuard || changeGuard();
}

void SetupPanel::applySettings(const SettingsRecord &record)
{
    binding.apply(record);
    commands.setRangeMode(record.advancedRange);
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
    commands.attach(advanced, basic, toolTips, setup);
}

void SetupPanel::attachKeypad(QWidget *keypad)
{
    commands.attachKeypad(keypad);
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

void SetupPanel::showAdvancedSetup()
{
    commands.setRangeMode(true);
}

void SetupPanel::showBasicSetup()
{
    commands.setRangeMode(false);
}

void SetupPanel::toggleToolTips()
{
    commands.toggleToolTips();
}

bool SetupPanel::toolTipsEnabled() const
{
    return commands.toolTipsEnabled();
}

void SetupPanel::toggleSetupTabs()
{
    commands.toggleSetupTabs();
}

bool SetupPanel::setupTabsWanted() const
{
    return commands.setupTabsWanted();
}
