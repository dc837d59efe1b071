#pragma once

#include <QObject>

#include <functional>

class QAction;
class QWidget;
struct GameSettings;
struct SetupControls;

// The Options-menu commands that belong to the panel: the range mode, tool
// tips and hiding the tabs. Their state is kept here; a caption only shows it.
class SetupCommands : public QObject
{
    Q_OBJECT
public:
    // mayChange is asked before a command changes the setup.
    SetupCommands(QWidget &panel, SetupControls &controls, GameSettings &settings, std::function<bool()> mayChange);

    // Commands of the panel's own, until the menu's are attached.
    void useOwnCommands();
    void attach(QAction *advanced, QAction *basic, QAction *toolTips, QAction *setup);
    void attachKeypad(QWidget *keypad);

    void setRangeMode(bool advanced);
    void toggleToolTips();
    bool toolTipsEnabled() const { return toolTipsOn; }
    void toggleSetupTabs();
    bool setupTabsWanted() const { return tabsWanted; }

private:
    void applyToolTips(bool on);
    void showState();

    QWidget &panel;
    SetupControls &c;
    GameSettings &settings;
    std::function<bool()> mayChange;
    QWidget *frmKeypad = nullptr;
    QAction *mnuAdvanced = nullptr;
    QAction *mnuBasic = nullptr;
    QAction *mnuToolTips = nullptr;
    QAction *mnuSetup = nullptr;
    bool toolTipsOn = false;
    bool tabsWanted = true;
};
