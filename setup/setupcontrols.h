#pragma once

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSlider;

// The controls of the setup tabs, by the names the rest of the program knows
// them by. Filled in once by buildSetupTabs().
struct SetupControls
{
    static constexpr int longestName = 25;

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
};
