#pragma once

#include <QTabWidget>

#include <functional>

#include "setup/settings.h"
#include "setup/worksheetsetup.h"

class QAction;
class QCheckBox;
class QFrame;
class QGridLayout;
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

    static constexpr int longestName = 25;

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
    bool toolTipsEnabled() const; // mnuToolTips reads "Disable Tool Tips"
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
    QCheckBox *chkSpeak = nullptr;
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
    QCheckBox *chkPractise = nullptr;
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

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildSetupTab();
    void buildNumberRangeTab();
    void buildMathFunctionsTab();
    void buildAnswerFormatTab();
    void buildTimerOptionsTab();
    QSlider *addSlider(QGridLayout *grid, int row, const QString &name, int minimum, int maximum, int step,
                       int pageStep, QLabel *&label, const QString &labelName);
    void connectRules();

    // One end of a range: its slider, label and setting.
    struct Bound
    {
        QSlider *slider;
        QLabel *label;
        int GameSettings::*setting;
    };
    void setBound(const Bound &bound, int value);
    void lowerMoved(const Bound &lower, const Bound &upper, int value);
    void upperMoved(const Bound &lower, const Bound &upper, int value);

    void answerFormatChanged();
    void timerChanged(bool on);
    void divisionChanged(bool on);
    void setRangeMode(bool advanced);
    void applyToolTips(bool on);

    GameSettings &settings;
    std::function<bool()> changeGuard;
    QWidget *frmKeypad = nullptr;
    QAction *mnuAdvanced = nullptr;
    QAction *mnuBasic = nullptr;
    QAction *mnuToolTips = nullptr;
    QAction *mnuSetup = nullptr;
};
