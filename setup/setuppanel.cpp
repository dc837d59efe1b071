#include "setup/setuppanel.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QSettings>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QSet>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabBar>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

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

template<typename Widget>
Widget *named(QWidget *parent, const QString &name, const QString &text = {})
{
    auto *widget = new Widget(parent);
    widget->setObjectName(name);
    if constexpr (requires { widget->setText(text); }) {
        if (!text.isEmpty())
            widget->setText(text);
    } else if constexpr (requires { widget->setTitle(text); }) {
        widget->setTitle(text);
    }
    return widget;
}

// Five tab captions have to share 400 pixels: a smaller caption and less
// padding than the panel's own.
class CompactTabStyle : public QProxyStyle
{
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        return metric == PM_TabBarTabHSpace ? 14 : QProxyStyle::pixelMetric(metric, option, widget);
    }
};

QAction *ownCommand(QObject *parent, const QString &name, const QString &caption)
{
    auto *action = new QAction(caption, parent);
    action->setObjectName(name);
    return action;
}

// A program move: slider and label take the value, the slider's rule does not
// run. Returns the value the slider accepted.
int showValue(QSlider *slider, QLabel *label, int value)
{
    {
        const QSignalBlocker blocker(slider);
        slider->setValue(value);
    }
    label->setNum(slider->value());
    return slider->value();
}

QVBoxLayout *pageLayout(QWidget *page)
{
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(8);
    return layout;
}

QGridLayout *frameGrid(QGroupBox *frame)
{
    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(10, 8, 10, 10);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    grid->setColumnStretch(1, 1);
    return grid;
}

} // namespace

SetupPanel::SetupPanel(GameSettings &settings, QWidget *parent)
    : QTabWidget(parent)
    , settings(settings)
{
    setObjectName(QStringLiteral("tbsOne"));
    setAccessibleName(tr("Setup tabs"));
    connect(this, &QTabWidget::currentChanged, this, [this] { fitCaptions(currentWidget()); });
    QFont caption(QStringLiteral("MS Sans Serif"));
    caption.setPointSizeF(9.75);
    caption.setBold(true);
    setFont(caption);
    setFixedSize(400, 420);
    auto *tabStyle = new CompactTabStyle;
    tabStyle->setParent(tabBar());
    tabBar()->setStyle(tabStyle);
    QFont tabCaption = caption;
    tabCaption.setPointSizeF(8.25);
    tabCaption.setBold(false);
    tabBar()->setFont(tabCaption);
    tabBar()->setExpanding(true);
    tabBar()->setUsesScrollButtons(false);
    tabBar()->setElideMode(Qt::ElideNone);

    buildSetupTab();
    buildNumberRangeTab();
    buildMathFunctionsTab();
    buildAnswerFormatTab();
    buildTimerOptionsTab();
    connectRules();
    timerChanged(false);
    divisionChanged(false);

    attachMenu(ownCommand(this, QStringLiteral("mnuAdvanced"), tr("Advanced Set Up")),
               ownCommand(this, QStringLiteral("mnuBasic"), tr("Basic Set Up")),
               ownCommand(this, QStringLiteral("mnuToolTips"), enableToolTipsText()),
               ownCommand(this, QStringLiteral("mnuSetup"), hideSetupText()));
}

QSlider *SetupPanel::addSlider(QGridLayout *grid, int row, const QString &name, int minimum, int maximum, int step,
                               int pageStep, QLabel *&label, const QString &labelName)
{
    auto *slider = named<QSlider>(grid->parentWidget(), name);
    slider->setOrientation(Qt::Horizontal);
    slider->setRange(minimum, maximum);
    slider->setSingleStep(step);
    slider->setPageStep(pageStep);
    label = named<QLabel>(grid->parentWidget(), labelName);
    label->setNum(minimum);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setFixedWidth(QFontMetrics(font()).horizontalAdvance(QStringLiteral("0000")) + 8);
    label->setAutoFillBackground(true);
    label->setBackgroundRole(QPalette::Base);
    grid->addWidget(slider, row, 1);
    grid->addWidget(label, row, 2);
    return slider;
}

void SetupPanel::buildSetupTab()
{
    auto *page = new QWidget;
    auto *layout = pageLayout(page);

    frmCardAmt = named<QGroupBox>(page, QStringLiteral("frmCardAmt"), tr("Number of Cards"));
    sldCardAmt = addSlider(frameGrid(frmCardAmt), 0, QStringLiteral("sldCardAmt"), 10, 100, 5, 5, lblCardAmt,
                           QStringLiteral("lblCardAmt"));
    layout->addWidget(frmCardAmt);

    chkSounds = named<QCheckBox>(page, QStringLiteral("chkSounds"), tr("Sounds"));
    chkVerbal = named<QCheckBox>(page, QStringLiteral("chkVerbal"), tr("Verbal Response"));
    chkSummary = named<QCheckBox>(page, QStringLiteral("chkSummary"), tr("Display and Print Game Summary"));
    chkCardCountDisp = named<QCheckBox>(page, QStringLiteral("chkCardCountDisp"), tr("Show Card Count"));
    // Kept in the per-user settings by whoever reads the cards.
    chkSpeak = named<QCheckBox>(page, QStringLiteral("chkSpeak"), tr("Read Cards Aloud"));
    for (QCheckBox *box : {chkSounds, chkVerbal, chkSummary, chkCardCountDisp, chkSpeak})
        layout->addWidget(box);

    frmName = named<QGroupBox>(page, QStringLiteral("frmName"), tr("Enter Your Name"));
    txtName = named<QLineEdit>(frmName, QStringLiteral("txtName"));
    // Room for a full name; the printed headings keep it within two lines.
    txtName->setMaxLength(longestName);
    frameGrid(frmName)->addWidget(txtName, 0, 0, 1, 3);
    layout->addWidget(frmName);
    layout->addStretch();

    addTab(page, tr("Setup"));
}

void SetupPanel::buildNumberRangeTab()
{
    auto *page = new QWidget;
    auto *layout = pageLayout(page);

    Label4 = named<QLabel>(page, QStringLiteral("Label4"),
                           tr("For multiplication, the bottom number will always be a single digit."));
    Label4->setWordWrap(true);
    layout->addWidget(Label4);

    const auto advancedFrame = [&](QGroupBox *&frame, const QString &name, const QString &title, int index,
                                   QSlider *&minimum, QLabel *&minimumLabel, QSlider *&maximum, QLabel *&maximumLabel,
                                   const QString &suffix) {
        frame = named<QGroupBox>(page, name, title);
        QGridLayout *grid = frameGrid(frame);
        lblTopLow[index] = named<QLabel>(frame, QStringLiteral("lblTopLow(%1)").arg(index), tr("Min"));
        lblTopHigh[index] = named<QLabel>(frame, QStringLiteral("lblTopHigh(%1)").arg(index), tr("Max"));
        grid->addWidget(lblTopLow[index], 0, 0);
        grid->addWidget(lblTopHigh[index], 1, 0);
        minimum = addSlider(grid, 0, QStringLiteral("sld%1Min").arg(suffix), 1, 99, 1, 1, minimumLabel,
                            QStringLiteral("lbl%1Min").arg(suffix));
        maximum = addSlider(grid, 1, QStringLiteral("sld%1Max").arg(suffix), 1, 99, 1, 5, maximumLabel,
                            QStringLiteral("lbl%1Max").arg(suffix));
        layout->addWidget(frame);
    };
    advancedFrame(frmTopDigits, QStringLiteral("frmTopDigits"), tr("Top Number Range"), 0, sldTopMin,
                  lblTopMin, sldTopMax, lblTopMax, QStringLiteral("Top"));
    advancedFrame(frmBotDigits, QStringLiteral("frmBotDigits"), tr("Bottom Number Range"), 1, sldBotMin,
                  lblBotMin, sldBotMax, lblBotMax, QStringLiteral("Bot"));
    // Only the top minimum moves one by one on a track click.
    sldBotMin->setPageStep(5);

    const auto basicFrame = [&](QGroupBox *&frame, const QString &name, const QString &title, QSlider *&slider,
                                QLabel *&label, const QString &suffix) {
        frame = named<QGroupBox>(page, name, title);
        slider = addSlider(frameGrid(frame), 0, QStringLiteral("sld%1").arg(suffix), 1, 99, 1, 5, label,
                           QStringLiteral("lbl%1").arg(suffix));
        layout->addWidget(frame);
    };
    basicFrame(frmTopRange, QStringLiteral("frmTopRange"), tr("Top Number Range"), sldTop, lblTop,
               QStringLiteral("Top"));
    basicFrame(frmBotRange, QStringLiteral("frmBotRange"), tr("Bottom Number Range"), sldBot, lblBot,
               QStringLiteral("Bot"));
    layout->addStretch();

    addTab(page, tr("Number Range"));
}

void SetupPanel::buildMathFunctionsTab()
{
    auto *page = new QWidget;
    auto *layout = pageLayout(page);

    chkAddition = named<QCheckBox>(page, QStringLiteral("chkAddition"), tr("Addition"));
    chkSubtraction = named<QCheckBox>(page, QStringLiteral("chkSubtraction"), tr("Subtraction"));
    chkMultiplication = named<QCheckBox>(page, QStringLiteral("chkMultiplication"), tr("Multiplication"));
    chkDivision = named<QCheckBox>(page, QStringLiteral("chkDivision"), tr("Division"));
    for (QCheckBox *box : {chkAddition, chkSubtraction, chkMultiplication, chkDivision})
        layout->addWidget(box);
    // Kept in the per-user settings: the settings file's format is fixed.
    chkPractise = named<QCheckBox>(page, QStringLiteral("chkPractise"), tr("Practise Weak Facts"));
    chkPractise->setChecked(QSettings(QStringLiteral("Sumdrop"), QStringLiteral("Sumdrop"))
                                .value(QStringLiteral("practiseWeakFacts"), false)
                                .toBool());
    connect(chkPractise, &QCheckBox::toggled, this, [](bool on) {
        QSettings(QStringLiteral("Sumdrop"), QStringLiteral("Sumdrop")).setValue(QStringLiteral("practiseWeakFacts"), on);
    });
    layout->addWidget(chkPractise);

    FrameDivRange = named<QGroupBox>(page, QStringLiteral("FrameDivRange"), tr("Divisor Range"));
    QGridLayout *grid = frameGrid(FrameDivRange);
    chk12 = named<QRadioButton>(FrameDivRange, QStringLiteral("chk12"),
                                tr("Result will be from 1 to 12 with no remainder"));
    chk10 = named<QRadioButton>(FrameDivRange, QStringLiteral("chk10"),
                                tr("Result will be from 1 to 10 with no remainder"));
    chk12->setChecked(true);
    grid->addWidget(chk12, 0, 0, 1, 3);
    grid->addWidget(chk10, 1, 0, 1, 3);
    Label1 = named<QLabel>(FrameDivRange, QStringLiteral("Label1"), tr("From"));
    Label3 = named<QLabel>(FrameDivRange, QStringLiteral("Label3"), tr("To"));
    grid->addWidget(Label1, 2, 0);
    grid->addWidget(Label3, 3, 0);
    sldDivisor1 = addSlider(grid, 2, QStringLiteral("sldDivisor1"), 2, 9, 1, 1, lblDivisor1,
                            QStringLiteral("lblDivisor1"));
    sldDivisor2 = addSlider(grid, 3, QStringLiteral("sldDivisor2"), 2, 9, 1, 5, lblDivisor2,
                            QStringLiteral("lblDivisor2"));
    layout->addWidget(FrameDivRange);
    layout->addStretch();

    addTab(page, tr("Math Functions"));
}

void SetupPanel::buildAnswerFormatTab()
{
    auto *page = new QWidget;
    auto *layout = pageLayout(page);

    optAnsFormatSingle = named<QRadioButton>(page, QStringLiteral("optAnsFormatSingle"),
                                             tr("Single Entry Box"));
    optAnsFormatSeparate = named<QRadioButton>(page, QStringLiteral("optAnsFormatSeparate"),
                                               tr("Separate box for units, tens and  hundreds"));
    optAnsFormatSeparate->setChecked(true);
    layout->addWidget(optAnsFormatSingle);
    layout->addWidget(optAnsFormatSeparate);
    layout->addSpacing(12);

    chkPrevCard = named<QCheckBox>(page, QStringLiteral("chkPrevCard"), tr("Show Previous Card Display"));
    chkCarry = named<QCheckBox>(page, QStringLiteral("chkCarry"), tr("Show Carry Scratchpad Box"));
    chkKeypad = named<QCheckBox>(page, QStringLiteral("chkKeypad"), tr("Use Screen Keypad"));
    chkHigh = named<QCheckBox>(page, QStringLiteral("chkHigh"), tr("Highlight Active Entry Box"));
    for (QCheckBox *box : {chkPrevCard, chkCarry, chkKeypad, chkHigh})
        layout->addWidget(box);
    layout->addStretch();

    addTab(page, tr("Answer Format"));
}

void SetupPanel::buildTimerOptionsTab()
{
    auto *page = new QWidget;
    auto *layout = pageLayout(page);

    chkTimer = named<QCheckBox>(page, QStringLiteral("chkTimer"), tr("Game and Card Timer"));
    layout->addWidget(chkTimer);

    Frame1 = named<QGroupBox>(page, QStringLiteral("Frame1"));
    QGridLayout *grid = frameGrid(Frame1);
    grid->setColumnStretch(0, 0);
    chkCardTime = named<QCheckBox>(Frame1, QStringLiteral("chkCardTime"), tr("Card Time Limit"));
    grid->addWidget(chkCardTime, 0, 0, 1, 4);
    sldCardTime = addSlider(grid, 1, QStringLiteral("sldCardTime"), 2, 60, 1, 5, lblCardTime,
                            QStringLiteral("lblCardTime"));
    lblSeconds = named<QLabel>(Frame1, QStringLiteral("lblSeconds"), tr("Seconds"));
    grid->addWidget(lblSeconds, 1, 3);
    grid->setRowMinimumHeight(2, 8);
    chkCountDown = named<QCheckBox>(Frame1, QStringLiteral("chkCountDown"), tr("Game Time Limit"));
    grid->addWidget(chkCountDown, 3, 0, 1, 4);
    sldCountDown = addSlider(grid, 4, QStringLiteral("sldCountDown"), 1, 30, 1, 5, lblCountDown,
                             QStringLiteral("lblCountDown"));
    // The check boxes beside them say what they set, but not to a screen reader.
    sldCardTime->setAccessibleName(tr("Seconds for each card"));
    sldCountDown->setAccessibleName(tr("Minutes for the game"));
    lblMinutes = named<QLabel>(Frame1, QStringLiteral("lblMinutes"), tr("Minutes"));
    grid->addWidget(lblMinutes, 4, 3);
    layout->addWidget(Frame1);
    layout->addStretch();

    addTab(page, tr("Timer Options"));
}

void SetupPanel::connectRules()
{
    // Keys, wheel and track clicks run a slider's rule at once. While the
    // handle is dragged only its label and setting follow; the rule runs
    // where it is let go. Program moves go through showValue and run none.
    const auto onMove = [this](QSlider *slider, QLabel *label, auto store, auto rule) {
        connect(slider, &QSlider::valueChanged, this, [slider, label, store, rule](int value) {
            if (!slider->isSliderDown())
                return rule(value);
            label->setNum(value);
            store(value);
        });
        connect(slider, &QSlider::sliderReleased, this, [slider, rule] { rule(slider->value()); });
    };
    const auto single = [onMove](QSlider *slider, QLabel *label, auto store) {
        const auto rule = [label, store](int value) {
            label->setNum(value);
            store(value);
        };
        onMove(slider, label, store, rule);
    };
    single(sldCardAmt, lblCardAmt, [this](int value) { settings.cardCount = value; });
    single(sldTop, lblTop, [this](int value) { settings.topLimit = value; });
    single(sldBot, lblBot, [this](int value) { settings.bottomLimit = value; });
    single(sldCountDown, lblCountDown, [this](int value) { settings.gameTimeLimit = value; });
    single(sldCardTime, lblCardTime, [this](int value) { settings.cardTimeLimit = qint16(value); });

    const auto store = [this](const Bound &bound) {
        return [this, bound](int value) { settings.*bound.setting = value; };
    };
    const auto rangePair = [this, onMove, store](const Bound &lower, const Bound &upper) {
        onMove(lower.slider, lower.label, store(lower),
               [this, lower, upper](int value) { lowerMoved(lower, upper, value); });
        onMove(upper.slider, upper.label, store(upper),
               [this, lower, upper](int value) { upperMoved(lower, upper, value); });
    };
    rangePair({sldTopMin, lblTopMin, &GameSettings::topMin}, {sldTopMax, lblTopMax, &GameSettings::topMax});
    rangePair({sldBotMin, lblBotMin, &GameSettings::bottomMin}, {sldBotMax, lblBotMax, &GameSettings::bottomMax});

    const Bound from{sldDivisor1, lblDivisor1, &GameSettings::divisorLow};
    const Bound to{sldDivisor2, lblDivisor2, &GameSettings::divisorHigh};
    onMove(from.slider, from.label, store(from), [this, from, to](int value) { lowerMoved(from, to, value); });
    // "To" may not pass below "From": it goes back to it.
    onMove(to.slider, to.label, store(to),
           [this, to](int value) { setBound(to, std::max(value, settings.divisorLow)); });

    connect(optAnsFormatSingle, &QRadioButton::toggled, this, &SetupPanel::answerFormatChanged);
    connect(chkTimer, &QCheckBox::toggled, this, &SetupPanel::timerChanged);
    connect(chkDivision, &QCheckBox::toggled, this, &SetupPanel::divisionChanged);
    connect(chkCardTime, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            chkCountDown->setChecked(false);
    });
    connect(chkCountDown, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            chkCardTime->setChecked(false);
    });
}

void SetupPanel::setBound(const Bound &bound, int value)
{
    settings.*bound.setting = showValue(bound.slider, bound.label, value);
}

void SetupPanel::lowerMoved(const Bound &lower, const Bound &upper, int value)
{
    setBound(lower, value);
    if (settings.*upper.setting < value)
        setBound(upper, value);
}

void SetupPanel::upperMoved(const Bound &lower, const Bound &upper, int value)
{
    setBound(upper, value);
    if (value < settings.*lower.setting)
        setBound(lower, value);
}

void SetupPanel::answerFormatChanged()
{
    const bool single = optAnsFormatSingle->isChecked();
    // The highlight keeps its tick for the next time the separate boxes are chosen.
    chkHigh->setEnabled(!single);
    if (single)
        chkCarry->setChecked(false);
    chkCarry->setEnabled(!single);
}

void SetupPanel::timerChanged(bool on)
{
    for (QWidget *widget : std::initializer_list<QWidget *>{chkCountDown, sldCountDown, lblCountDown, lblMinutes,
                                                            sldCardTime, lblCardTime, lblSeconds, chkCardTime})
        widget->setEnabled(on);
}

void SetupPanel::divisionChanged(bool on)
{
    restoreDivisorSliders();
    FrameDivRange->setEnabled(on);
}

void SetupPanel::restoreDivisorSliders()
{
    setBound({sldDivisor1, lblDivisor1, &GameSettings::divisorLow}, settings.divisorLow);
    setBound({sldDivisor2, lblDivisor2, &GameSettings::divisorHigh}, settings.divisorHigh);
}

void SetupPanel::applySettings(const SettingsRecord &record)
{
    chkAddition->setChecked(record.useAddition);
    chkSubtraction->setChecked(record.useSubtraction);
    chkMultiplication->setChecked(record.useMultiplication);

    settings.divisorLow = record.divisorLow;
    settings.divisorHigh = record.divisorHigh;
    chkDivision->setChecked(record.useDivision);
    divisionChanged(record.useDivision);
    chk12->setChecked(true);

    settings.cardTimeLimit = qint16(showValue(sldCardTime, lblCardTime, 2));
    chkTimer->setChecked(record.timerOn);
    timerChanged(record.timerOn);

    chkSounds->setChecked(record.soundsOn);
    chkVerbal->setChecked(record.verbalMode);
    chkSummary->setChecked(record.showSummary);
    chkHigh->setChecked(record.highlightEntry);
    if (record.answerFormat == 1 || record.answerFormat == 2) {
        (record.answerFormat == 2 ? optAnsFormatSingle : optAnsFormatSeparate)->setChecked(true);
        answerFormatChanged();
    }

    chkPrevCard->setChecked(record.showPreviousCard);
    // Carry boxes go with the separate boxes only; a hand-edited file may
    // ask for both with the single box.
    chkCarry->setChecked(record.showCarryBoxes && chkCarry->isEnabledTo(this));
    chkKeypad->setChecked(record.useKeypad);
    chkCardCountDisp->setChecked(record.showCardCount);

    settings.topMin = showValue(sldTopMin, lblTopMin, record.topMin);
    settings.topMax = showValue(sldTopMax, lblTopMax, record.topMax);
    settings.bottomMin = showValue(sldBotMin, lblBotMin, record.bottomMin);
    settings.bottomMax = showValue(sldBotMax, lblBotMax, record.bottomMax);
    settings.cardCount = showValue(sldCardAmt, lblCardAmt, record.cardCount);
    settings.topLimit = showValue(sldTop, lblTop, record.topLimit);
    settings.bottomLimit = showValue(sldBot, lblBot, record.bottomLimit);
    setRangeMode(record.advancedRange);
}

SettingsRecord SetupPanel::collectSettings(bool skipIntroHelp) const
{
    SettingsRecord record;
    record.cardCount = settings.cardCount;
    record.useAddition = chkAddition->isChecked();
    record.useSubtraction = chkSubtraction->isChecked();
    record.useMultiplication = chkMultiplication->isChecked();
    record.useDivision = chkDivision->isChecked();
    record.timerOn = chkTimer->isChecked();
    record.soundsOn = chkSounds->isChecked();
    record.verbalMode = chkVerbal->isChecked();
    record.showSummary = chkSummary->isChecked();
    record.topMin = settings.topMin;
    record.topMax = settings.topMax;
    record.bottomMin = settings.bottomMin;
    record.bottomMax = settings.bottomMax;
    record.divisorLow = settings.divisorLow;
    record.divisorHigh = settings.divisorHigh;
    record.topLimit = settings.topLimit;
    record.bottomLimit = settings.bottomLimit;
    record.answerFormat = singleBoxSelected() ? 2 : 1;
    record.showCardCount = chkCardCountDisp->isChecked();
    record.showPreviousCard = chkPrevCard->isChecked();
    record.showCarryBoxes = chkCarry->isChecked();
    record.advancedRange = settings.advancedRange;
    record.useKeypad = chkKeypad->isChecked();
    record.highlightEntry = chkHigh->isChecked();
    record.skipIntroHelp = skipIntroHelp;
    return record;
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
            if (!changeGuard || changeGuard())
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

void SetupPanel::showEvent(QShowEvent *event)
{
    QTabWidget::showEvent(event);
    // Widths are known once the panel is laid out, and a page's once it shows.
    fitCaptions(this);
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

WorksheetSetup SetupPanel::worksheetSetup() const
{
    WorksheetSetup setup;
    setup.addition = chkAddition->isChecked();
    setup.subtraction = chkSubtraction->isChecked();
    setup.multiplication = chkMultiplication->isChecked();
    setup.division = chkDivision->isChecked();
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
