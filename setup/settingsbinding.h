#pragma once

#include "setup/settings.h"
#include "setup/worksheetsetup.h"

class QWidget;
class SetupRules;
struct SetupControls;

// Between the settings file's record and the controls.
class SettingsBinding
{
public:
    SettingsBinding(const QWidget &panel, SetupControls &controls, GameSettings &settings, SetupRules &rules);

    // In the documented order, through the same rules as the clicks; all but
    // the range mode, which is the caller's last step.
    void apply(const SettingsRecord &record);
    SettingsRecord collect(bool skipIntroHelp) const;
    WorksheetSetup worksheetSetup() const;

private:
    const QWidget &panel;
    SetupControls &c;
    GameSettings &settings;
    SetupRules &rules;
};
