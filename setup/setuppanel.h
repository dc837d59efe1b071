#pragma once

#include <QTabWidget>

#include "app/settings.h"

class QAction;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSlider;

// The setup tabs "tbsOne". Controls are public so that the owners of the game
// can read a tick; every rule that changes them lives here.
class SetupPanel : public QTabWidget
{
    Q_OBJECT
public:
    SetupPanel(GameSettings &settings, QWidget *parent = nullptr);

    // The Options-menu commands that belong to the panel.
    void attachMenu(QAction *mnuAdvanced, QAction *mnuBasic, QAction *mnuToolTips, QAction *mnuSetup);

    // Start-up: the record applied to the controls in the documented order,
    // through the same rules as the clicks.
    void applySettings(const SettingsRecord &record);
    // What Quit writes (the introduction's check box is not on the panel).
    SettingsRecord collectSettings(bool skipIntroHelp) const;

    bool highlightActive() const; // chkHigh ticked and enabled
    bool singleBoxSelected() const;
    int divisionResultLimit() const; // 10 or 12
    QString playerName() const;

    // End of a game: the divisor sliders show the values in force.
    void restoreDivisorSliders();

    // Options-menu commands.
    void showAdvancedSetup();
    void showBasicSetup();
    void toggleToolTips();
    void toggleSetupTabs();
    bool setupTabsWanted() const; // mnuSetup reads "Hide Setup Tabs"

    // Setup tab
    QGroupBox *frmCardAmt = nullptr;
    QSlider *sldCardAmt = nullptr;
    QLabel *lblCardAmt = nullptr;
    QCheckBox *chkSounds = nullptr;
    QCheckBox *chkVerbal = nullptr;
    QCheckBox *chkSummary = nullptr;
    QCheckBox *chkCardCountDisp = nullptr;
    QGroupBox *frmName = nullptr;
    QLineEdit *txtName = nullptr;

    // Number Range tab
    QLabel *Label4 = nullptr;
    QGroupBox *frmTopDigits = nullptr;
    QGroupBox *frmBotDigits = nullptr;
    QSlider *sldTopMin = nullptr;
    QSlider *sldTopMax = nullptr;
    QSlider *sldBotMin = nullptr;
    QSlider *sldBotMax = nullptr;
    QLabel *lblTopMin = nullptr;
    QLabel *lblTopMax = nullptr;
    QLabel *lblBotMin = nullptr;
    QLabel *lblBotMax = nullptr;
    QLabel *lblTopLow[2] = {};
    QLabel *lblTopHigh[2] = {};
    QGroupBox *frmTopRange = nullptr;
    QGroupBox *frmBotRange = nullptr;
    QSlider *sldTop = nullptr;
    QSlider *sldBot = nullptr;
    QLabel *lblTop = nullptr;
    QLabel *lblBot = nullptr;

    // Math Functions tab
    QCheckBox *chkAddition = nullptr;
    QCheckBox *chkSubtraction = nullptr;
    QCheckBox *chkMultiplication = nullptr;
    QCheckBox *chkDivision = nullptr;
    QGroupBox *FrameDivRange = nullptr;
    QRadioButton *chk12 = nullptr;
    QRadioButton *chk10 = nullptr;
    QSlider *sldDivisor1 = nullptr;
    QSlider *sldDivisor2 = nullptr;
    QLabel *lblDivisor1 = nullptr;
    QLabel *lblDivisor2 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label3 = nullptr;

    // Answer Format tab
    QRadioButton *optAnsFormatSingle = nullptr;
    QRadioButton *optAnsFormatSeparate = nullptr;
    QCheckBox *chkPrevCard = nullptr;
    QCheckBox *chkCarry = nullptr;
    QCheckBox *chkKeypad = nullptr;
    QCheckBox *chkHigh = nullptr;

    // Timer Options tab
    QCheckBox *chkTimer = nullptr;
    QGroupBox *Frame1 = nullptr;
    QCheckBox *chkCardTime = nullptr;
    QCheckBox *chkCountDown = nullptr;
    QSlider *sldCardTime = nullptr;
    QSlider *sldCountDown = nullptr;
    QLabel *lblCardTime = nullptr;
    QLabel *lblSeconds = nullptr;
    QLabel *lblCountDown = nullptr;
    QLabel *lblMinutes = nullptr;

private:
    GameSettings &settings;
    QAction *mnuAdvanced = nullptr;
    QAction *mnuBasic = nullptr;
    QAction *mnuToolTips = nullptr;
    QAction *mnuSetup = nullptr;
};
