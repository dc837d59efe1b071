#include "setup/setuppanel.h"

SetupPanel::SetupPanel(GameSettings &settings, QWidget *parent)
    : QTabWidget(parent)
    , settings(settings)
{
    setObjectName(QStringLiteral("tbsOne"));
}

void SetupPanel::attachMenu(QAction *advanced, QAction *basic, QAction *toolTips, QAction *setup)
{
    mnuAdvanced = advanced;
    mnuBasic = basic;
    mnuToolTips = toolTips;
    mnuSetup = setup;
}

void SetupPanel::applySettings(const SettingsRecord &) {}
SettingsRecord SetupPanel::collectSettings(bool skipIntroHelp) const
{
    SettingsRecord record;
    record.skipIntroHelp = skipIntroHelp;
    return record;
}
bool SetupPanel::highlightActive() const { return false; }
bool SetupPanel::singleBoxSelected() const { return false; }
int SetupPanel::divisionResultLimit() const { return 12; }
QString SetupPanel::playerName() const { return {}; }
void SetupPanel::restoreDivisorSliders() {}
void SetupPanel::showAdvancedSetup() {}
void SetupPanel::showBasicSetup() {}
void SetupPanel::toggleToolTips() {}
void SetupPanel::toggleSetupTabs() {}
bool SetupPanel::setupTabsWanted() const { return true; }
