#pragma once

#include <QTabWidget>

#include <functional>

#include "setup/settings.h"
#include "setup/settingsbinding.h"
#include "setup/setupcommands.h"
#include "setup/setupcontrols.h"
#include "setup/setuprules.h"
#include "setup/worksheetsetup.h"

class QAction;

// The setup tabs "tbsOne". Controls are public so that the owners of the game
// can read a tick; the rules that change them are the panel's.
class SetupPanel : public QTabWidget, public SetupControls
{
    Q_OBJECT
public:
    SetupPanel(GameSettings &settings, QWidget *parent = nullptr);

    // The Options-menu commands that belong to the panel; their triggers are
    // connected here. Until then the panel works with commands of its own.
    void attachMenu(QAction *mnuAdvanced, QAction *mnuBasic, QAction *mnuToolTips, QAction *mnuSetup);
    // Asked before a click, key or menu command changes the setup; false
    // refuses it (and has told the user why). The name box stays open.
    void setChangeGuard(std::function<bool()> mayChange);
    // The keypad frame gets its tool tip with the panel's controls.
    void attachKeypad(QWidget *frmKeypad);

    // Start-up: the record applied to the controls in the documented order,
    // through the same rules as the clicks.
    void applySettings(const SettingsRecord &record);
    // What Quit writes (the introduction's check box is not on the panel).
    SettingsRecord collectSettings(bool skipIntroHelp) const;

    bool highlightActive() const; // chkHigh ticked and enabled
    bool singleBoxSelected() const;
    int divisionResultLimit() const; // 10 or 12
    QString playerName() const;
    // What a worksheet printed now is made from.
    WorksheetSetup worksheetSetup() const;

    // End of a game: the divisor sliders show the values in force.
    void restoreDivisorSliders();

    // Options-menu commands.
    void showAdvancedSetup();
    void showBasicSetup();
    void toggleToolTips();
    bool toolTipsEnabled() const;
    void toggleSetupTabs();
    bool setupTabsWanted() const; // false once the command has hidden the tabs

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool changeAllowed() const;

    GameSettings &settings;
    std::function<bool()> changeGuard;
    SetupRules rules;
    SetupCommands commands;
    SettingsBinding binding;
};
