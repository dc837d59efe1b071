#include "setup/setuptabs.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QRadioButton>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "setup/setupcontrols.h"
#include "ui/widgets.h"

namespace {

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

// Built under the panel's name, so that its captions keep their translations.
class TabBuilder
{
    Q_DECLARE_TR_FUNCTIONS(SetupPanel)
public:
    TabBuilder(QTabWidget &panel, SetupControls &controls)
        : panel(panel)
        , c(controls)
    {
    }
    void build();

private:
    void buildSetupTab();
    void buildNumberRangeTab();
    void buildMathFunctionsTab();
    void buildAnswerFormatTab();
    void buildTimerOptionsTab();
    QSlider *addSlider(QGridLayout *grid, int row, const QString &name, int minimum, int maximum, int step,
                       int pageStep, QLabel *&label, const QString &labelName);

    QTabWidget &panel;
    SetupControls &c;
};

void TabBuilder::build()
{
    panel.setObjectName(QStringLiteral("tbsOne"));
    panel.setAccessibleName(tr("Setup tabs"));
    QTabWidget *tabs = &panel;
    QObject::connect(tabs, &QTabWidget::currentChanged, tabs, [tabs] { fitCaptions(tabs->currentWidget()); });
    QFont caption(QStringLiteral("MS Sans Serif"));
    caption.setPointSizeF(9.75);
    caption.setBold(true);
    panel.setFont(caption);
    panel.setFixedSize(400, 420);
    QTabBar *tabBar = panel.tabBar();
    auto *tabStyle = new CompactTabStyle;
    tabStyle->setParent(tabBar);
    tabBar->setStyle(tabStyle);
    QFont tabCaption = caption;
    tabCaption.setPointSizeF(8.25);
    tabCaption.setBold(false);
    tabBar->setFont(tabCaption);
    tabBar->setExpanding(true);
    tabBar->setUsesScrollButtons(false);
    tabBar->setElideMode(Qt::ElideNone);

    buildSetupTab();
    buildNumberRangeTab();
    buildMathFunctionsTab();
    buildAnswerFormatTab();
    buildTimerOptionsTab();
}

QSlider *TabBuilder::addSlider(QGridLayout *grid, int row, const QString &name, int minimum, int maximum, int step,
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
    label->setFixedWidth(QFontMetrics(panel.font()).horizontalAdvance(QStringLiteral("0000")) + 8);
    label->setAutoFillBackground(true);
    label->setBackgroundRole(QPalette::Base);
    grid->addWidget(slider, row, 1);
    grid->addWidget(label, row, 2);
    return slider;
}

void TabBuilder::buildSetupTab()
{
    auto *page = new QWidget;
    auto *layout = pageLayout(page);

    c.frmCardAmt = named<QGroupBox>(page, QStringLiteral("frmCardAmt"), tr("Number of Cards"));
    c.sldCardAmt = addSlider(frameGrid(c.frmCardAmt), 0, QStringLiteral("sldCardAmt"), 10, 100, 5, 5, c.lblCardAmt,
                             QStringLiteral("lblCardAmt"));
    layout->addWidget(c.frmCardAmt);

    c.chkSounds = named<QCheckBox>(page, QStringLiteral("chkSounds"), tr("Sounds"));
    c.chkVerbal = named<QCheckBox>(page, QStringLiteral("chkVerbal"), tr("Verbal Response"));
    c.chkSummary = named<QCheckBox>(page, QStringLiteral("chkSummary"), tr("Display and Print Game Summary"));
    c.chkCardCountDisp = named<QCheckBox>(page, QStringLiteral("chkCardCountDisp"), tr("Show Card Count"));
    // Kept in the per-user settings by whoever reads the cards.
    c.chkSpeak = named<QCheckBox>(page, QStringLiteral("chkSpeak"), tr("Read Cards Aloud"));
    for (QCheckBox *box : {c.chkSounds, c.chkVerbal, c.chkSummary, c.chkCardCountDisp, c.chkSpeak})
        layout->addWidget(box);

    c.frmName = named<QGroupBox>(page, QStringLiteral("frmName"), tr("Enter Your Name"));
    c.txtName = named<QLineEdit>(c.frmName, QStringLiteral("txtName"));
    // Room for a full name; the printed headings keep it within two lines.
    c.txtName->setMaxLength(SetupControls::longestName);
    frameGrid(c.frmName)->addWidget(c.txtName, 0, 0, 1, 3);
    layout->addWidget(c.frmName);
    layout->addStretch();

    panel.addTab(page, tr("Setup"));
}

void TabBuilder::buildNumberRangeTab()
{
    auto *page = new QWidget;
    auto *layout = pageLayout(page);

    c.Label4 = named<QLabel>(page, QStringLiteral("Label4"),
                             tr("For multiplication, the bottom number will always be a single digit."));
    c.Label4->setWordWrap(true);
    layout->addWidget(c.Label4);

    const auto advancedFrame = [&](QGroupBox *&frame, const QString &name, const QString &title, int index,
                                   QSlider *&minimum, QLabel *&minimumLabel, QSlider *&maximum, QLabel *&maximumLabel,
                                   const QString &suffix) {
        frame = named<QGroupBox>(page, name, title);
        QGridLayout *grid = frameGrid(frame);
        c.lblTopLow[index] = named<QLabel>(frame, QStringLiteral("lblTopLow(%1)").arg(index), tr("Min"));
        c.lblTopHigh[index] = named<QLabel>(frame, QStringLiteral("lblTopHigh(%1)").arg(index), tr("Max"));
        grid->addWidget(c.lblTopLow[index], 0, 0);
        grid->addWidget(c.lblTopHigh[index], 1, 0);
        minimum = addSlider(grid, 0, QStringLiteral("sld%1Min").arg(suffix), 1, 99, 1, 1, minimumLabel,
                            QStringLiteral("lbl%1Min").arg(suffix));
        maximum = addSlider(grid, 1, QStringLiteral("sld%1Max").arg(suffix), 1, 99, 1, 5, maximumLabel,
                            QStringLiteral("lbl%1Max").arg(suffix));
        layout->addWidget(frame);
    };
    advancedFrame(c.frmTopDigits, QStringLiteral("frmTopDigits"), tr("Top Number Range"), 0, c.sldTopMin,
                  c.lblTopMin, c.sldTopMax, c.lblTopMax, QStringLiteral("Top"));
    advancedFrame(c.frmBotDigits, QStringLiteral("frmBotDigits"), tr("Bottom Number Range"), 1, c.sldBotMin,
                  c.lblBotMin, c.sldBotMax, c.lblBotMax, QStringLiteral("Bot"));
    // Only the top minimum moves one by one on a track click.
    c.sldBotMin->setPageStep(5);

    const auto basicFrame = [&](QGroupBox *&frame, const QString &name, const QString &title, QSlider *&slider,
                                QLabel *&label, const QString &suffix) {
        frame = named<QGroupBox>(page, name, title);
        slider = addSlider(frameGrid(frame), 0, QStringLiteral("sld%1").arg(suffix), 1, 99, 1, 5, label,
                           QStringLiteral("lbl%1").arg(suffix));
        layout->addWidget(frame);
    };
    basicFrame(c.frmTopRange, QStringLiteral("frmTopRange"), tr("Top Number Range"), c.sldTop, c.lblTop,
               QStringLiteral("Top"));
    basicFrame(c.frmBotRange, QStringLiteral("frmBotRange"), tr("Bottom Number Range"), c.sldBot, c.lblBot,
               QStringLiteral("Bot"));
    layout->addStretch();

    panel.addTab(page, tr("Number Range"));
}

void TabBuilder::buildMathFunctionsTab()
{
    auto *page = new QWidget;
    auto *layout = pageLayout(page);

    c.chkAddition = named<QCheckBox>(page, QStringLiteral("chkAddition"), tr("Addition"));
    c.chkSubtraction = named<QCheckBox>(page, QStringLiteral("chkSubtraction"), tr("Subtraction"));
    c.chkMultiplication = named<QCheckBox>(page, QStringLiteral("chkMultiplication"), tr("Multiplication"));
    c.chkDivision = named<QCheckBox>(page, QStringLiteral("chkDivision"), tr("Division"));
    for (QCheckBox *box : {c.chkAddition, c.chkSubtraction, c.chkMultiplication, c.chkDivision})
        layout->addWidget(box);
    c.chkPractise = named<QCheckBox>(page, QStringLiteral("chkPractise"), tr("Practise Weak Facts"));
    layout->addWidget(c.chkPractise);

    c.FrameDivRange = named<QGroupBox>(page, QStringLiteral("FrameDivRange"), tr("Divisor Range"));
    QGridLayout *grid = frameGrid(c.FrameDivRange);
    c.chk12 = named<QRadioButton>(c.FrameDivRange, QStringLiteral("chk12"),
                                  tr("Result will be from 1 to 12 with no remainder"));
    c.chk10 = named<QRadioButton>(c.FrameDivRange, QStringLiteral("chk10"),
                                  tr("Result will be from 1 to 10 with no remainder"));
    c.chk12->setChecked(true);
    grid->addWidget(c.chk12, 0, 0, 1, 3);
    grid->addWidget(c.chk10, 1, 0, 1, 3);
    c.Label1 = named<QLabel>(c.FrameDivRange, QStringLiteral("Label1"), tr("From"));
    c.Label3 = named<QLabel>(c.FrameDivRange, QStringLiteral("Label3"), tr("To"));
    grid->addWidget(c.Label1, 2, 0);
    grid->addWidget(c.Label3, 3, 0);
    c.sldDivisor1 = addSlider(grid, 2, QStringLiteral("sldDivisor1"), 2, 9, 1, 1, c.lblDivisor1,
                              QStringLiteral("lblDivisor1"));
    c.sldDivisor2 = addSlider(grid, 3, QStringLiteral("sldDivisor2"), 2, 9, 1, 5, c.lblDivisor2,
                              QStringLiteral("lblDivisor2"));
    layout->addWidget(c.FrameDivRange);
    layout->addStretch();

    panel.addTab(page, tr("Math Functions"));
}

void TabBuilder::buildAnswerFormatTab()
{
    auto *page = new QWidget;
    auto *layout = pageLayout(page);

    c.optAnsFormatSingle = named<QRadioButton>(page, QStringLiteral("optAnsFormatSingle"),
                                               tr("Single Entry Box"));
    c.optAnsFormatSeparate = named<QRadioButton>(page, QStringLiteral("optAnsFormatSeparate"),
                                                 tr("Separate box for units, tens and  hundreds"));
    c.optAnsFormatSeparate->setChecked(true);
    layout->addWidget(c.optAnsFormatSingle);
    layout->addWidget(c.optAnsFormatSeparate);
    layout->addSpacing(12);

    c.chkPrevCard = named<QCheckBox>(page, QStringLiteral("chkPrevCard"), tr("Show Previous Card Display"));
    c.chkCarry = named<QCheckBox>(page, QStringLiteral("chkCarry"), tr("Show Carry Scratchpad Box"));
    c.chkKeypad = named<QCheckBox>(page, QStringLiteral("chkKeypad"), tr("Use Screen Keypad"));
    c.chkHigh = named<QCheckBox>(page, QStringLiteral("chkHigh"), tr("Highlight Active Entry Box"));
    for (QCheckBox *box : {c.chkPrevCard, c.chkCarry, c.chkKeypad, c.chkHigh})
        layout->addWidget(box);
    layout->addStretch();

    panel.addTab(page, tr("Answer Format"));
}

void TabBuilder::buildTimerOptionsTab()
{
    auto *page = new QWidget;
    auto *layout = pageLayout(page);

    c.chkTimer = named<QCheckBox>(page, QStringLiteral("chkTimer"), tr("Game and Card Timer"));
    layout->addWidget(c.chkTimer);

    c.Frame1 = named<QGroupBox>(page, QStringLiteral("Frame1"));
    QGridLayout *grid = frameGrid(c.Frame1);
    grid->setColumnStretch(0, 0);
    c.chkCardTime = named<QCheckBox>(c.Frame1, QStringLiteral("chkCardTime"), tr("Card Time Limit"));
    grid->addWidget(c.chkCardTime, 0, 0, 1, 4);
    c.sldCardTime = addSlider(grid, 1, QStringLiteral("sldCardTime"), 2, 60, 1, 5, c.lblCardTime,
                              QStringLiteral("lblCardTime"));
    c.lblSeconds = named<QLabel>(c.Frame1, QStringLiteral("lblSeconds"), tr("Seconds"));
    grid->addWidget(c.lblSeconds, 1, 3);
    grid->setRowMinimumHeight(2, 8);
    c.chkCountDown = named<QCheckBox>(c.Frame1, QStringLiteral("chkCountDown"), tr("Game Time Limit"));
    grid->addWidget(c.chkCountDown, 3, 0, 1, 4);
    c.sldCountDown = addSlider(grid, 4, QStringLiteral("sldCountDown"), 1, 30, 1, 5, c.lblCountDown,
                               QStringLiteral("lblCountDown"));
    // The check boxes beside them say what they set, but not to a screen reader.
    c.sldCardTime->setAccessibleName(tr("Seconds for each card"));
    c.sldCountDown->setAccessibleName(tr("Minutes for the game"));
    c.lblMinutes = named<QLabel>(c.Frame1, QStringLiteral("lblMinutes"), tr("Minutes"));
    grid->addWidget(c.lblMinutes, 4, 3);
    layout->addWidget(c.Frame1);
    layout->addStretch();

    panel.addTab(page, tr("Timer Options"));
}

} // namespace

void buildSetupTabs(QTabWidget &panel, SetupControls &controls)
{
    TabBuilder(panel, controls).build();
}
