#include "help/helpintro.h"

#include <algorithm>

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionTab>
#include <QTabBar>
#include <QVBoxLayout>

#include <span>

#include "ui/clicklabel.h"
#include "help/helptopic.h"
#include "ui/widgets.h"
#include "entry/keypad.h"
#include "setup/setuppanel.h"

namespace {

constexpr int introWidth = 440;

struct TabHeading
{
    const char *caption; // a tab's caption, translated as the setup tabs translate it
    QString areaName;
    ClickLabel *HelpIntro::*area;
    HelpTopicId topic;
};

// The two rows as the setup tabs are pictured: the back row first.
const TabHeading backRow[] = {
    {QT_TRANSLATE_NOOP("SetupPanel", "Answer Format"), QStringLiteral("Label4"), &HelpIntro::Label4, HelpTopicId::Answer},
    {QT_TRANSLATE_NOOP("SetupPanel", "Timer Options"), QStringLiteral("Label5"), &HelpIntro::Label5, HelpTopicId::Timer},
};
const TabHeading frontRow[] = {
    {QT_TRANSLATE_NOOP("SetupPanel", "Setup"), QStringLiteral("Label3"), &HelpIntro::Label3, HelpTopicId::Setup},
    {QT_TRANSLATE_NOOP("SetupPanel", "Number Range"), QStringLiteral("Label6"), &HelpIntro::Label6, HelpTopicId::Level},
    {QT_TRANSLATE_NOOP("SetupPanel", "Math Functions"), QStringLiteral("Label7"), &HelpIntro::Label7, HelpTopicId::Functions},
};

} // namespace

HelpIntro::HelpIntro(QWidget *mainWindow, SetupPanel &setup, Keypad &keypad)
    : QWidget(nullptr, Qt::Window)
    , mainWindow(mainWindow)
    , setup(setup)
    , keypad(keypad)
{
    setObjectName(QStringLiteral("frmHelpIntro"));
    setWindowTitle(tr("Help - Introduction"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 12);
    layout->setSpacing(10);

    Label1 = makeHelpText(this, tr("Introduction"));
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont headingFont(QStringLiteral("MS Serif"));
    headingFont.setPointSizeF(13.5);
    headingFont.setBold(true);
    Label1->setFont(headingFont);
    setTextColour(Label1, Qt::red);
    layout->addWidget(Label1);
    Label2 = makeHelpText(this, tr("Sumdrop is a versatile flash card game to develop children's math "
                                               "skills. Children can play alone or with a supervisor."));
    Label2->setObjectName(QStringLiteral("Label2"));
    layout->addWidget(Label2);
    Label8 = makeHelpText(this, tr("Click  on the tab headings below to get more details on how to use "
                                               "the features of each tab."));
    Label8->setObjectName(QStringLiteral("Label8"));
    layout->addWidget(Label8);
    for (QLabel *text : {Label1, Label2, Label8})
        text->setFixedWidth(introWidth);

    Picture1 = makePicture(this, QStringLiteral("Picture1"));
    Picture1->setAccessibleName(tr("The setup tabs: click a heading for its help"));
    buildTabHeadings();
    layout->addWidget(Picture1, 0, Qt::AlignHCenter);

    auto *others = new QHBoxLayout;
    Label9 = makeHelpLink(this, QStringLiteral("Label9"), tr("Print Worksheets"));
    Label10 = makeHelpLink(this, QStringLiteral("Label10"), tr("Save Reports"));
    others->addStretch(1);
    others->addWidget(Label9);
    others->addSpacing(40);
    others->addWidget(Label10);
    others->addStretch(1);
    layout->addLayout(others);
    Label11 = makeHelpText(this, tr("On a large screen, choose Fit to Screen from the Options menu to make the whole "
                                    "game bigger."));
    Label11->setObjectName(QStringLiteral("Label11"));
    Label11->setFixedWidth(introWidth);
    layout->addWidget(Label11);
    connect(Label9, &ClickLabel::clicked, this, [this] { openTopic(HelpTopicId::Worksheets); });
    connect(Label10, &ClickLabel::clicked, this, [this] { openTopic(HelpTopicId::Save); });

    layout->addSpacing(6);
    chkStartupHelp = makeNamed<QCheckBox>(this, QStringLiteral("chkStartupHelp"));
    chkStartupHelp->setText(tr("Dont's show this screen on startup"));
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(chkStartupHelp);
    bottom->addStretch(1);
    Command1 = makeNamed<QPushButton>(this, QStringLiteral("Command1"));
    Command1->setText(tr("Close"));
    bottom->addWidget(Command1);
    layout->addLayout(bottom);
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
    closeOnEscape(this);

    fitToLayout(this);
}

HelpIntro::~HelpIntro() = default;

// The five tab headings in the two rows of the setup tabs, drawn by the style
// so they look like the real ones, with a transparent click area over each.
void HelpIntro::buildTabHeadings()
{
    const QTabBar &look = *setup.tabBar();
    const QFontMetrics metrics(look.font());
    int widest = 0;
    for (std::span<const TabHeading> row : {std::span<const TabHeading>(backRow), std::span<const TabHeading>(frontRow)})
        for (const TabHeading &heading : row)
            widest = std::max(widest, metrics.horizontalAdvance(heading.caption));
    const int rowWidth = 3 * (widest + 28);
    const int rowHeight = metrics.height() + 14;

    // Drawn at the screen's density, so that the captions are as sharp as text.
    const qreal ratio = devicePixelRatioF();
    QPixmap headings(QSize(rowWidth, 2 * rowHeight) * ratio);
    headings.setDevicePixelRatio(ratio);
    headings.fill(Qt::transparent);
    QPainter painter(&headings);
    painter.setFont(look.font());
    const auto drawRow = [&](std::span<const TabHeading> row, int top, bool front) {
        const int count = int(row.size());
        for (int i = 0; i < count; ++i) {
            const QRect rect(rowWidth * i / count, top, rowWidth * (i + 1) / count - rowWidth * i / count,
                             rowHeight);
            QStyleOptionTab tab;
            tab.initFrom(&look);
            // The help's own colours: the panel sits on the dark main window.
            tab.palette = palette();
            tab.rect = rect;
            tab.text = SetupPanel::tr(row[i].caption);
            tab.shape = QTabBar::RoundedNorth;
            tab.position = i == 0           ? QStyleOptionTab::Beginning
                           : i == count - 1 ? QStyleOptionTab::End
                                            : QStyleOptionTab::Middle;
            tab.state = QStyle::State_Enabled;
            // The front row's first tab is the page on show, as on the panel at start-up.
            if (front && i == 0)
                tab.state |= QStyle::State_Selected;
            look.style()->drawControl(QStyle::CE_TabBarTab, &tab, &painter, &look);

            ClickLabel *area = makeNamed<ClickLabel>(Picture1, row[i].areaName);
            area->setGeometry(rect);
            area->setCursor(Qt::PointingHandCursor);
            area->setToolTip(tab.text);
            area->setAccessibleName(tab.text);
            this->*row[i].area = area;
            const HelpTopicId topic = row[i].topic;
            connect(area, &ClickLabel::clicked, this, [this, topic] { openTopic(topic); });
        }
    };
    drawRow(backRow, 0, false);
    drawRow(frontRow, rowHeight, true);
    painter.end();
    Picture1->setPixmap(headings);
    Picture1->setFixedSize(logicalSize(headings));
}

QPixmap HelpIntro::topicPicture(HelpTopicId id) const
{
    switch (id) {
    case HelpTopicId::Setup: return grabSetupPage(SetupPanel::tr("Setup"));
    case HelpTopicId::Level: return grabSetupPage(SetupPanel::tr("Number Range"));
    case HelpTopicId::Functions: return grabSetupPage(SetupPanel::tr("Math Functions"));
    case HelpTopicId::Answer: return grabSetupPage(SetupPanel::tr("Answer Format"));
    case HelpTopicId::Timer: return grabSetupPage(SetupPanel::tr("Timer Options"));
    case HelpTopicId::RangeAdv: return grabSetupPage(SetupPanel::tr("Number Range"), true);
    case HelpTopicId::Keypad: return grabEnabled([this] { return keypad.grab(); });
    case HelpTopicId::Worksheets:
    case HelpTopicId::Save:
    case HelpTopicId::Progress: break;
    }
    return {};
}

// The main window waits disabled behind the help; for the moment of the grab
// it is enabled, so the picture is not greyed. No event runs in between.
QPixmap HelpIntro::grabEnabled(const std::function<QPixmap()> &grab) const
{
    const bool wasEnabled = mainWindow->isEnabled();
    QWidget *focus = mainWindow->focusWidget();
    mainWindow->setEnabled(true);
    QPixmap picture = grab();
    mainWindow->setEnabled(wasEnabled);
    if (focus)
        focus->setFocus();
    return picture;
}

// A page of the setup panel with its tab in front, or only its Advanced range
// frames, shown in their place for the moment even in the Basic mode.
QPixmap HelpIntro::grabSetupPage(const QString &caption, bool advancedFrames) const
{
    int index = 0;
    while (index < setup.count() && setup.tabText(index) != caption)
        ++index;
    if (index == setup.count())
        return {};
    return grabEnabled([&] {
        QWidget *page = setup.widget(index);
        const int shown = setup.currentIndex();
        // A page that was never in front has not been given its size yet.
        page->setGeometry(setup.currentWidget()->geometry());
        setup.setCurrentIndex(index);
        QPixmap picture;
        if (advancedFrames) {
            QList<QWidget *> swapped;
            if (setup.frmTopDigits->isHidden())
                swapped = {setup.frmTopDigits, setup.frmBotDigits, setup.frmTopRange, setup.frmBotRange};
            const auto swap = [&] {
                for (QWidget *frame : swapped)
                    frame->setHidden(!frame->isHidden());
                page->layout()->activate();
            };
            swap();
            const QRect area(setup.frmTopDigits->mapTo(&setup, QPoint(0, 0)),
                             setup.frmBotDigits->mapTo(&setup, setup.frmBotDigits->rect().bottomRight()));
            picture = setup.grab(area.adjusted(-8, -8, 8, 8));
            swap();
        } else {
            picture = setup.grab();
        }
        setup.setCurrentIndex(shown);
        return picture;
    });
}

HelpTopic *HelpIntro::topic(HelpTopicId id)
{
    std::unique_ptr<HelpTopic> &window = topics[int(id)];
    if (window)
        return window.get();
    std::function<QPixmap()> picture;
    if (id != HelpTopicId::Worksheets && id != HelpTopicId::Save && id != HelpTopicId::Progress)
        picture = [this, id] { return topicPicture(id); };
    const HelpPage page = helpPage(id);
    window = std::make_unique<HelpTopic>(page, std::move(picture));
    HelpTopic *created = window.get();
    // The introduction waits until no topic is open: one from the Progress
    // window may close while another, opened here, is still up.
    connect(created, &HelpTopic::closed, this, [this, created] {
        const bool anotherOpen = std::any_of(topics.begin(), topics.end(), [created](const auto &other) {
            return other && other.get() != created && other->isVisible();
        });
        if (!anotherOpen)
            setEnabled(true);
    });
    if (!page.linkName.isEmpty()) {
        const HelpTopicId target = page.linkTarget;
        // The linked window takes the place of the one holding the link; the
        // introduction stays disabled until the linked window closes.
        connect(created, &HelpTopic::linkClicked, this, [this, created, target] {
            topic(target)->open(created);
            created->hide();
        });
    }
    return created;
}

void HelpIntro::showIntroduction()
{
    if (!isVisible())
        centreOver(this, mainWindow);
    show();
    raise();
    activateWindow();
    mainWindow->setEnabled(false);
}

void HelpIntro::openTopic(HelpTopicId id, const QWidget *over)
{
    topic(id)->open(over ? over : this);
    setEnabled(false);
}

void HelpIntro::closeEvent(QCloseEvent *event)
{
    // While a topic window is open, that window is the one to close first.
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    mainWindow->setEnabled(true);
    event->accept();
}
