#include "setup/settingsbinding.h"

#include <QCheckBox>
#include <QRadioButton>

#include "setup/setupcontrols.h"
#include "setup/setuprules.h"

SettingsBinding::SettingsBinding(const QWidget &panel, SetupControls &controls, GameSettings &settings,
                                 SetupRules &rules)
    : panel(panel)
    , c(controls)
    , settings(settings)
    , rules(rules)
{
}

void SettingsBinding::apply(const SettingsRecord &record)
{
    c.chkAddition->setChecked(record.useAddition);
    c.chkSubtraction->setChecked(record.useSubtraction);
    c.chkMultiplication->setChecked(record.useMultiplication);

    settings.divisorLow = record.divisorLow;
    settings.divisorHigh = record.divisorHigh;
    c.chkDivision->setChecked(record.useDivision);
    rules.divisionChanged(record.useDivision);
    c.chk12->setChecked(true);

    settings.cardTimeLimit = qint16(SetupRules::showValue(c.sldCardTime, c.lblCardTime, 2));
    c.chkTimer->setChecked(record.timerOn);
    rules.timerChanged(record.timerOn);

    c.chkSounds->setChecked(record.soundsOn);
    c.chkVerbal->setChecked(record.verbalMode);
    c.chkSummary->setChecked(record.showSummary);
    c.chkHigh->setChecked(record.highlightEntry);
    if (record.answerFormat == 1 || record.answerFormat == 2) {
        (record.answerFormat == 2 ? c.optAnsFormatSingle : c.optAnsFormatSeparate)->setChecked(true);
        rules.answerFormatChanged();
    }

    c.chkPrevCard->setChecked(record.showPreviousCard);
    // Carry boxes go with the separate boxes only; a hand-edited file may
    // ask for both with the single box.
    c.chkCarry->setChecked(record.showCarryBoxes && c.chkCarry->isEnabledTo(&panel));
    c.chkKeypad->setChecked(record.useKeypad);
    c.chkCardCountDisp->setChecked(record.showCardCount);

    settings.topMin = SetupRules::showValue(c.sldTopMin, c.lblTopMin, record.topMin);
    settings.topMax = SetupRules::showValue(c.sldTopMax, c.lblTopMax, record.topMax);
    settings.bottomMin = SetupRules::showValue(c.sldBotMin, c.lblBotMin, record.bottomMin);
    settings.bottomMax = SetupRules::showValue(c.sldBotMax, c.lblBotMax, record.bottomMax);
    settings.cardCount = SetupRules::showValue(c.sldCardAmt, c.lblCardAmt, record.cardCount);
    settings.topLimit = SetupRules::showValue(c.sldTop, c.lblTop, record.topLimit);
    settings.bottomLimit = SetupRules::showValue(c.sldBot, c.lblBot, record.bottomLimit);
}

SettingsRecord SettingsBinding::collect(bool skipIntroHelp) const
{
    SettingsRecord record;
    record.cardCount = settings.cardCount;
    record.useAddition = c.chkAddition->isChecked();
    record.useSubtraction = c.chkSubtraction->isChecked();
    record.useMultiplication = c.chkMultiplication->isChecked();
    record.useDivision = c.chkDivision->isChecked();
    record.timerOn = c.chkTimer->isChecked();
    record.soundsOn = c.chkSounds->isChecked();
    record.verbalMode = c.chkVerbal->isChecked();
    record.showSummary = c.chkSummary->isChecked();
    record.topMin = settings.topMin;
    record.topMax = settings.topMax;
    record.bottomMin = settings.bottomMin;
    record.bottomMax = settings.bottomMax;
    record.divisorLow = settings.divisorLow;
    record.divisorHigh = settings.divisorHigh;
    record.topLimit = settings.topLimit;
    record.bottomLimit = settings.bottomLimit;
    record.answerFormat = c.optAnsFormatSingle->isChecked() ? 2 : 1;
    record.showCardCount = c.chkCardCountDisp->isChecked();
    record.showPreviousCard = c.chkPrevCard->isChecked();
    record.showCarryBoxes = c.chkCarry->isChecked();
    record.advancedRange = settings.advancedRange;
    record.useKeypad = c.chkKeypad->isChecked();
    record.highlightEntry = c.chkHigh->isChecked();
    record.skipIntroHelp = skipIntroHelp;
    return record;
}

WorksheetSetup SettingsBinding::worksheetSetup() const
{
    WorksheetSetup setup;
    setup.addition = c.chkAddition->isChecked();
    setup.subtraction = c.chkSubtraction->isChecked();
    setup.multiplication = c.chkMultiplication->isChecked();
    setup.division = c.chkDivision->isChecked();
    setup.advancedRange = settings.advancedRange;
    setup.topMin = settings.topMin;
    setup.topMax = settings.topMax;
    setup.bottomMin = settings.bottomMin;
    setup.bottomMax = settings.bottomMax;
    setup.topLimit = settings.topLimit;
    setup.bottomLimit = settings.bottomLimit;
    setup.divisorLow = settings.divisorLow;
    setup.divisorHigh = settings.divisorHigh;
    setup.cardCount = settings.cardCount;
    return setup;
}
