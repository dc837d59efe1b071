#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTabBar>
#include <QtTest>

#include <memory>

#include "app/fonts.h"
#include "setup/setuppanel.h"

Q_DECLARE_METATYPE(SettingsRecord)

namespace {

// The panel on a host window with the Options-menu commands it is given.
struct Fixture
{
    Fixture()
    {
        host.resize(440, 460);
        panel = new SetupPanel(settings, &host);
        panel->move(16, 16);
        for (auto [action, name, caption] : {std::tuple{&mnuAdvanced, "mnuAdvanced", "Advanced Set Up"},
                                             std::tuple{&mnuBasic, "mnuBasic", "Basic Set Up"},
                                             std::tuple{&mnuToolTips, "mnuToolTips", "Enable Tool Tips"},
                                             std::tuple{&mnuSetup, "mnuSetup", "Hide Setup Tabs"}}) {
            *action = new QAction(QString::fromLatin1(caption), &host);
            (*action)->setObjectName(QString::fromLatin1(name));
        }
        panel->attachMenu(mnuAdvanced, mnuBasic, mnuToolTips, mnuSetup);
        keypad.setObjectName(QStringLiteral("frmKeypad"));
        panel->attachKeypad(&keypad);
        host.show();
    }

    GameSettings settings;
    QWidget host;
    QWidget keypad;
    SetupPanel *panel = nullptr;
    QAction *mnuAdvanced = nullptr;
    QAction *mnuBasic = nullptr;
    QAction *mnuToolTips = nullptr;
    QAction *mnuSetup = nullptr;
};

int settingValue(const GameSettings &s, const QString &name)
{
    const QHash<QString, int> values{
        {QStringLiteral("cardCount"), s.cardCount},       {QStringLiteral("topMin"), s.topMin},
        {QStringLiteral("topMax"), s.topMax},             {QStringLiteral("bottomMin"), s.bottomMin},
        {QStringLiteral("bottomMax"), s.bottomMax},       {QStringLiteral("divisorLow"), s.divisorLow},
        {QStringLiteral("divisorHigh"), s.divisorHigh},   {QStringLiteral("topLimit"), s.topLimit},
        {QStringLiteral("bottomLimit"), s.bottomLimit},   {QStringLiteral("advancedRange"), s.advancedRange},
        {QStringLiteral("cardTimeLimit"), s.cardTimeLimit}, {QStringLiteral("gameTimeLimit"), s.gameTimeLimit},
    };
    if (!values.contains(name))
        qFatal("no setting %s", qPrintable(name));
    return values.value(name);
}

QStyleOptionSlider sliderOption(const QSlider *slider)
{
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    option.singleStep = slider->singleStep();
    option.pageStep = slider->pageStep();
    option.tickPosition = slider->tickPosition();
    option.state |= QStyle::State_Horizontal;
    return option;
}

QRect handleRect(const QSlider *slider)
{
    const QStyleOptionSlider option = sliderOption(slider);
    return slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider);
}

// Where the mouse holding the handle by its centre puts the slider at value.
int handleCentreFor(const QSlider *slider, int value)
{
    const QStyleOptionSlider option = sliderOption(slider);
    const QRect groove = slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, slider);
    const QRect handle = handleRect(slider);
    return groove.x() +
           QStyle::sliderPositionFromValue(slider->minimum(), slider->maximum(), value,
                                           groove.width() - handle.width()) +
           handle.width() / 2;
}

void sendMove(QSlider *slider, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, slider->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(slider, &move);
}

} // namespace

class TestSetupPanel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void tabs();
    void captions_data();
    void captions();
    void sliders_data();
    void sliders();
    void sliderInputs_data();
    void sliderInputs();
    void nothingClipped_data();
    void nothingClipped();

    void answerFormat_data();
    void answerFormat();
    void timeLimitsExclusive_data();
    void timeLimitsExclusive();
    void timerUntickedKeepsChoices();
    void divisionOffAndOn();
    void toolTips_data();
    void toolTips();
    void setupTabsCommand();

    void rangePairs_data();
    void rangePairs();
    void divisorPair_data();
    void divisorPair();
    void dragShowsValueWhileMoving();
    void restoreDivisorSliders();
    void rangeModes();

    void applySettings_data();
    void applySettings();
    void firstRunWritesDefaults();
    void savedPanelReadsBack_data();
    void savedPanelReadsBack();

private:
    template<typename T = QWidget>
    T *control(const QString &name) const
    {
        T *found = f->panel->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    void showPageOf(QWidget *widget);
    void enableGroupOf(const QString &sliderName);
    void click(const QString &name);
    void act(const QString &sliderName, const QString &action);
    void drag(QSlider *slider, const QList<int> &values);
    QString probe(const QString &path) const;
    void verifyProbes(const QStringList &probes) const;

    std::unique_ptr<Fixture> f;
};

void TestSetupPanel::initTestCase()
{
    installFontSubstitutes();
}

void TestSetupPanel::init()
{
    f = std::make_unique<Fixture>();
    QVERIFY(QTest::qWaitForWindowExposed(&f->host));
}

void TestSetupPanel::cleanup()
{
    f.reset();
}

void TestSetupPanel::showPageOf(QWidget *widget)
{
    for (int i = 0; i < f->panel->count(); ++i) {
        if (f->panel->widget(i)->isAncestorOf(widget))
            f->panel->setCurrentIndex(i);
    }
    QApplication::processEvents();
}

// The divisor and time sliders move only while their group is switched on.
void TestSetupPanel::enableGroupOf(const QString &sliderName)
{
    if (sliderName.startsWith(QLatin1String("sldDivisor")))
        click(QStringLiteral("chkDivision"));
    if (sliderName == QLatin1String("sldCardTime") || sliderName == QLatin1String("sldCountDown"))
        click(QStringLiteral("chkTimer"));
    QVERIFY(control(sliderName)->isEnabled());
}

void TestSetupPanel::click(const QString &name)
{
    auto *button = control<QAbstractButton>(name);
    showPageOf(button);
    QVERIFY2(button->isVisible(), qPrintable(name));
    // On the indicator: a wide button's middle may lie past its caption.
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

// Holds the handle by its centre through each value in turn, then lets go.
void TestSetupPanel::drag(QSlider *slider, const QList<int> &values)
{
    showPageOf(slider);
    QPoint at = handleRect(slider).center();
    QTest::mousePress(slider, Qt::LeftButton, {}, at);
    QVERIFY(slider->isSliderDown());
    for (const int value : values) {
        const QPoint to(handleCentreFor(slider, value), at.y());
        for (int i = 1; i <= 8; ++i)
            sendMove(slider, at + (to - at) * i / 8);
        at = to;
    }
    QTest::mouseRelease(slider, Qt::LeftButton, {}, at);
    QVERIFY(!slider->isSliderDown());
}

// "right", "pageup", "end", ... are keys; "track+"/"track-" click beside the
// handle; "wheel+"/"wheel-" turn the wheel; "drag N M" drags the handle
// through N to M in one go.
void TestSetupPanel::act(const QString &sliderName, const QString &action)
{
    auto *slider = control<QSlider>(sliderName);
    showPageOf(slider);
    const QHash<QString, Qt::Key> keys{
        {QStringLiteral("right"), Qt::Key_Right},       {QStringLiteral("left"), Qt::Key_Left},
        {QStringLiteral("up"), Qt::Key_Up},             {QStringLiteral("down"), Qt::Key_Down},
        {QStringLiteral("pageup"), Qt::Key_PageUp},     {QStringLiteral("pagedown"), Qt::Key_PageDown},
        {QStringLiteral("home"), Qt::Key_Home},         {QStringLiteral("end"), Qt::Key_End},
    };
    const QRect handle = handleRect(slider);
    if (keys.contains(action)) {
        QTest::keyClick(slider, keys.value(action));
    } else if (action == QLatin1String("track+")) {
        QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(slider->width() - 2, handle.center().y()));
    } else if (action == QLatin1String("track-")) {
        QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(2, handle.center().y()));
    } else if (action.startsWith(QLatin1String("wheel"))) {
        const int delta = action.endsWith('+') ? 120 : -120;
        QWheelEvent wheel(handle.center(), slider->mapToGlobal(handle.center()), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(slider, &wheel);
    } else if (action.startsWith(QLatin1String("drag "))) {
        QList<int> values;
        for (const QString &value : action.mid(5).split(' '))
            values << value.toInt();
        drag(slider, values);
    } else {
        QFAIL(qPrintable("unknown action " + action));
    }
}

// "settings.topMin", "mnuBasic.visible", "chkHigh.enabled", "frmTopDigits.hidden".
QString TestSetupPanel::probe(const QString &path) const
{
    const QString object = path.section('.', 0, 0);
    const QString property = path.section('.', 1);
    if (object == QLatin1String("settings"))
        return QString::number(settingValue(f->settings, property));
    QObject *target = f->host.findChild<QAction *>(object);
    if (!target && object == QLatin1String("tbsOne"))
        target = f->panel;
    if (!target)
        target = control(object);
    if (property == QLatin1String("hidden"))
        return qobject_cast<QWidget *>(target)->isHidden() ? QStringLiteral("true") : QStringLiteral("false");
    const QVariant value = target->property(property.toLatin1());
    if (!value.isValid())
        qFatal("no property %s", qPrintable(path));
    return value.toString();
}

void TestSetupPanel::verifyProbes(const QStringList &probes) const
{
    for (const QString &expected : probes) {
        const QString path = expected.section('=', 0, 0);
        QCOMPARE(path + '=' + probe(path), expected);
    }
}

void TestSetupPanel::tabs()
{
    const QStringList expected{QStringLiteral("Setup"), QStringLiteral("Number Range"), QStringLiteral("Math Functions"),
                               QStringLiteral("Answer Format"), QStringLiteral("Timer Options")};
    QStringList captions;
    for (int i = 0; i < f->panel->count(); ++i)
        captions << f->panel->tabText(i);
    QCOMPARE(captions, expected);
    QCOMPARE(f->panel->objectName(), QStringLiteral("tbsOne"));
    QCOMPARE(f->panel->size(), QSize(400, 420));
    QCOMPARE(f->panel->minimumSize(), f->panel->maximumSize());
    // Every tab whole, none behind a scroll button.
    QTabBar *bar = f->panel->tabBar();
    for (int i = 0; i < f->panel->count(); ++i) {
        const QRect tab = bar->tabRect(i);
        QVERIFY(f->panel->rect().contains(QRect(bar->mapTo(f->panel, tab.topLeft()), tab.size())));
        QVERIFY(tab.width() >= bar->fontMetrics().horizontalAdvance(bar->tabText(i)));
    }
}

void TestSetupPanel::captions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("caption");

    const auto row = [](const char *name, int tab, const char *caption) {
        QTest::newRow(name) << QString::fromLatin1(name) << tab << QString::fromLatin1(caption);
    };
    row("frmCardAmt", 0, "Number of Cards");
    row("chkSounds", 0, "Sounds");
    row("chkVerbal", 0, "Verbal Response");
    row("chkSummary", 0, "Display and Print Game Summary");
    row("chkCardCountDisp", 0, "Show Card Count");
    row("frmName", 0, "Enter Your Name");
    row("txtName", 0, "");
    row("Label4", 1, "For multiplication, the bottom number will always be a single digit.");
    row("frmTopDigits", 1, "Top Number Range");
    row("frmBotDigits", 1, "Bottom Number Range");
    row("frmTopRange", 1, "Top Number Range");
    row("frmBotRange", 1, "Bottom Number Range");
    row("lblTopLow(0)", 1, "Min");
    row("lblTopHigh(0)", 1, "Max");
    row("lblTopLow(1)", 1, "Min");
    row("lblTopHigh(1)", 1, "Max");
    row("chkAddition", 2, "Addition");
    row("chkSubtraction", 2, "Subtraction");
    row("chkMultiplication", 2, "Multiplication");
    row("chkDivision", 2, "Division");
    row("FrameDivRange", 2, "Divisor Range");
    row("chk12", 2, "Result will be from 1 to 12 with no remainder");
    row("chk10", 2, "Result will be from 1 to 10 with no remainder");
    row("Label1", 2, "From");
    row("Label3", 2, "To");
    row("optAnsFormatSingle", 3, "Single Entry Box");
    row("optAnsFormatSeparate", 3, "Separate box for units, tens and  hundreds");
    row("chkPrevCard", 3, "Show Previous Card Display");
    row("chkCarry", 3, "Show Carry Scratchpad Box");
    row("chkKeypad", 3, "Use Screen Keypad");
    row("chkHigh", 3, "Highlight Active Entry Box");
    row("chkTimer", 4, "Game and Card Timer");
    row("Frame1", 4, "");
    row("chkCardTime", 4, "Card Time Limit");
    row("chkCountDown", 4, "Game Time Limit");
    row("lblSeconds", 4, "Seconds");
    row("lblMinutes", 4, "Minutes");
}

void TestSetupPanel::captions()
{
    QFETCH(QString, name);
    QFETCH(int, tab);
    QFETCH(QString, caption);
    QWidget *widget = control(name);
    QVERIFY(f->panel->widget(tab)->isAncestorOf(widget));
    const QVariant title = widget->property("title");
    QCOMPARE((title.isValid() ? title : widget->property("text")).toString(), caption);

    const QFont font = widget->font();
    QCOMPARE(font.family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(font.pointSizeF(), 9.75);
    QVERIFY(font.bold());
    // Checked options and ticks start off, apart from the two defaults.
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        QCOMPARE(button->isChecked(), name == QLatin1String("chk12") || name == QLatin1String("optAnsFormatSeparate"));
}

void TestSetupPanel::sliders_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("singleStep");
    QTest::addColumn<int>("pageStep");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("setting");

    QTest::newRow("sldCardAmt") << "sldCardAmt" << 0 << 10 << 100 << 5 << 5 << "lblCardAmt" << "cardCount";
    QTest::newRow("sldTop") << "sldTop" << 1 << 1 << 99 << 1 << 5 << "lblTop" << "topLimit";
    QTest::newRow("sldBot") << "sldBot" << 1 << 1 << 99 << 1 << 5 << "lblBot" << "bottomLimit";
    QTest::newRow("sldTopMin") << "sldTopMin" << 1 << 1 << 99 << 1 << 1 << "lblTopMin" << "topMin";
    QTest::newRow("sldTopMax") << "sldTopMax" << 1 << 1 << 99 << 1 << 5 << "lblTopMax" << "topMax";
    QTest::newRow("sldBotMin") << "sldBotMin" << 1 << 1 << 99 << 1 << 5 << "lblBotMin" << "bottomMin";
    QTest::newRow("sldBotMax") << "sldBotMax" << 1 << 1 << 99 << 1 << 5 << "lblBotMax" << "bottomMax";
    QTest::newRow("sldDivisor1") << "sldDivisor1" << 2 << 2 << 9 << 1 << 1 << "lblDivisor1" << "divisorLow";
    QTest::newRow("sldDivisor2") << "sldDivisor2" << 2 << 2 << 9 << 1 << 5 << "lblDivisor2" << "divisorHigh";
    QTest::newRow("sldCountDown") << "sldCountDown" << 4 << 1 << 30 << 1 << 5 << "lblCountDown" << "gameTimeLimit";
    QTest::newRow("sldCardTime") << "sldCardTime" << 4 << 2 << 60 << 1 << 5 << "lblCardTime" << "cardTimeLimit";
}

void TestSetupPanel::sliders()
{
    QFETCH(QString, name);
    QFETCH(int, tab);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, singleStep);
    QFETCH(int, pageStep);
    QFETCH(QString, label);
    QFETCH(QString, setting);

    auto *slider = control<QSlider>(name);
    QVERIFY(f->panel->widget(tab)->isAncestorOf(slider));
    QCOMPARE(slider->orientation(), Qt::Horizontal);
    QCOMPARE(slider->minimum(), minimum);
    QCOMPARE(slider->maximum(), maximum);
    QCOMPARE(slider->singleStep(), singleStep);
    QCOMPARE(slider->pageStep(), pageStep);
    QCOMPARE(slider->value(), minimum);
    QCOMPARE(control<QLabel>(label)->text(), QString::number(minimum));
    QCOMPARE(settingValue(f->settings, setting), minimum);

    enableGroupOf(name);
    act(name, QStringLiteral("end"));
    QCOMPARE(slider->value(), maximum);
    QCOMPARE(control<QLabel>(label)->text(), QString::number(maximum));
    QCOMPARE(settingValue(f->settings, setting), maximum);
    act(name, QStringLiteral("pageup"));
    QCOMPARE(slider->value(), maximum);
    act(name, QStringLiteral("home"));
    QCOMPARE(slider->value(), minimum);
    QCOMPARE(control<QLabel>(label)->text(), QString::number(minimum));
    QCOMPARE(settingValue(f->settings, setting), minimum);
    act(name, QStringLiteral("left"));
    QCOMPARE(slider->value(), minimum);
}

void TestSetupPanel::sliderInputs_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<int>("expected"); // -1: only moved, by the platform's wheel step
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("setting");

    const auto cards = [](const char *tag, QStringList actions, int expected) {
        QTest::newRow(tag) << "sldCardAmt" << actions << expected << "lblCardAmt" << "cardCount";
    };
    cards("right", {"right"}, 15);
    cards("up", {"up"}, 15);
    cards("right then left", {"right", "right", "left"}, 15);
    cards("page up", {"pageup", "pageup"}, 20);
    cards("track click", {"track+", "track+", "track+"}, 25);
    cards("track click back", {"end", "track-"}, 95);
    cards("wheel", {"wheel+"}, -1);
    cards("drag", {"drag 65"}, 65);
    cards("drag back", {"drag 80", "drag 35"}, 35);

    QTest::newRow("top page step") << "sldTop" << QStringList{"pageup", "right"} << 7 << "lblTop" << "topLimit";
    QTest::newRow("top drag") << "sldTop" << QStringList{"drag 42"} << 42 << "lblTop" << "topLimit";
    QTest::newRow("bottom track") << "sldBot" << QStringList{"track+"} << 6 << "lblBot" << "bottomLimit";
    QTest::newRow("card time keys") << "sldCardTime" << QStringList{"pageup", "right", "right"} << 9 << "lblCardTime"
                                    << "cardTimeLimit";
    QTest::newRow("card time drag") << "sldCardTime" << QStringList{"drag 60"} << 60 << "lblCardTime"
                                    << "cardTimeLimit";
    QTest::newRow("game time drag") << "sldCountDown" << QStringList{"drag 17"} << 17 << "lblCountDown"
                                    << "gameTimeLimit";
    QTest::newRow("game time wheel") << "sldCountDown" << QStringList{"drag 17", "wheel-"} << -1 << "lblCountDown"
                                     << "gameTimeLimit";
}

void TestSetupPanel::sliderInputs()
{
    QFETCH(QString, name);
    QFETCH(QStringList, actions);
    QFETCH(int, expected);
    QFETCH(QString, label);
    QFETCH(QString, setting);

    auto *slider = control<QSlider>(name);
    enableGroupOf(name);
    const int before = slider->value();
    for (const QString &action : actions)
        act(name, action);
    if (expected >= 0)
        QCOMPARE(slider->value(), expected);
    else
        QVERIFY(slider->value() != before);
    QCOMPARE(control<QLabel>(label)->text(), QString::number(slider->value()));
    QCOMPARE(settingValue(f->settings, setting), slider->value());
}

void TestSetupPanel::nothingClipped_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<bool>("advanced");
    for (int tab = 0; tab < 5; ++tab)
        QTest::addRow("tab %d", tab) << tab << false;
    QTest::newRow("tab 1 advanced") << 1 << true;
}

void TestSetupPanel::nothingClipped()
{
    QFETCH(int, tab);
    QFETCH(bool, advanced);
    if (advanced)
        f->panel->showAdvancedSetup();
    f->panel->setCurrentIndex(tab);
    QApplication::processEvents();

    QWidget *page = f->panel->widget(tab);
    const QRect pageRect(page->mapTo(f->panel, QPoint()), page->size());
    QVERIFY(f->panel->rect().contains(pageRect));
    QVERIFY(page->layout()->minimumSize().height() <= page->height());
    int shown = 0;
    for (QWidget *widget : page->findChildren<QWidget *>()) {
        if (!widget->isVisible())
            continue;
        ++shown;
        const QRect rect(widget->mapTo(page, QPoint()), widget->size());
        QVERIFY2(page->rect().contains(rect), qPrintable(widget->objectName()));
        // Captions are shown whole: no control is narrower or lower than it asks for.
        if (qobject_cast<QAbstractButton *>(widget) || qobject_cast<QGroupBox *>(widget) ||
            (qobject_cast<QLabel *>(widget) && !qobject_cast<QLabel *>(widget)->wordWrap())) {
            QVERIFY2(widget->width() >= widget->minimumSizeHint().width(), qPrintable(widget->objectName()));
            QVERIFY2(widget->height() >= widget->minimumSizeHint().height(), qPrintable(widget->objectName()));
        }
        if (auto *label = qobject_cast<QLabel *>(widget); label && label->wordWrap())
            QVERIFY(label->height() >= label->heightForWidth(label->width()));
    }
    QVERIFY(shown > 4);
}

void TestSetupPanel::answerFormat_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("probes");

    const QStringList start{"chkCarry", "chkHigh"};
    QTest::newRow("single box") << start + QStringList{"optAnsFormatSingle"}
                                << QStringList{"chkCarry.checked=false", "chkCarry.enabled=false",
                                               "chkHigh.checked=true", "chkHigh.enabled=false",
                                               "optAnsFormatSeparate.checked=false"};
    QTest::newRow("separate again") << start + QStringList{"optAnsFormatSingle", "optAnsFormatSeparate"}
                                    << QStringList{"chkCarry.checked=false", "chkCarry.enabled=true",
                                                   "chkHigh.checked=true", "chkHigh.enabled=true",
                                                   "optAnsFormatSingle.checked=false"};
    QTest::newRow("single box twice") << start + QStringList{"optAnsFormatSingle", "optAnsFormatSingle"}
                                      << QStringList{"chkCarry.checked=false", "chkCarry.enabled=false",
                                                     "chkHigh.enabled=false"};
    QTest::newRow("carry click while single") << QStringList{"optAnsFormatSingle", "chkCarry"}
                                              << QStringList{"chkCarry.checked=false"};
    QTest::newRow("separate untouched") << start
                                        << QStringList{"chkCarry.checked=true", "chkHigh.checked=true",
                                                       "chkCarry.enabled=true", "chkHigh.enabled=true"};
}

void TestSetupPanel::answerFormat()
{
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, probes);
    for (const QString &name : clicks)
        click(name);
    verifyProbes(probes);
    const bool single = control<QRadioButton>(QStringLiteral("optAnsFormatSingle"))->isChecked();
    QCOMPARE(f->panel->singleBoxSelected(), single);
    QCOMPARE(f->panel->highlightActive(), !single && control<QCheckBox>(QStringLiteral("chkHigh"))->isChecked());
}

void TestSetupPanel::timeLimitsExclusive_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<bool>("cardTime");
    QTest::addColumn<bool>("countDown");

    QTest::newRow("card time") << QStringList{"chkCardTime"} << true << false;
    QTest::newRow("card then game") << QStringList{"chkCardTime", "chkCountDown"} << false << true;
    QTest::newRow("game then card") << QStringList{"chkCountDown", "chkCardTime"} << true << false;
    QTest::newRow("card off again") << QStringList{"chkCardTime", "chkCardTime"} << false << false;
    QTest::newRow("game off leaves card off") << QStringList{"chkCardTime", "chkCountDown", "chkCountDown"} << false
                                              << false;
}

void TestSetupPanel::timeLimitsExclusive()
{
    QFETCH(QStringList, clicks);
    QFETCH(bool, cardTime);
    QFETCH(bool, countDown);
    click(QStringLiteral("chkTimer"));
    for (const QString &name : clicks)
        click(name);
    QCOMPARE(control<QCheckBox>(QStringLiteral("chkCardTime"))->isChecked(), cardTime);
    QCOMPARE(control<QCheckBox>(QStringLiteral("chkCountDown"))->isChecked(), countDown);
}

void TestSetupPanel::timerUntickedKeepsChoices()
{
    const QStringList group{"chkCountDown", "sldCountDown", "lblCountDown", "lblMinutes",
                            "sldCardTime",  "lblCardTime",  "lblSeconds",   "chkCardTime"};
    const auto groupEnabled = [&](bool on) {
        for (const QString &name : group)
            QVERIFY2(control(name)->isEnabled() == on, qPrintable(name));
    };
    f->panel->applySettings(SettingsRecord{});
    groupEnabled(false);
    QVERIFY(control(QStringLiteral("Frame1"))->isEnabled());

    click(QStringLiteral("chkTimer"));
    groupEnabled(true);
    click(QStringLiteral("chkCountDown"));
    act(QStringLiteral("sldCountDown"), QStringLiteral("drag 12"));
    act(QStringLiteral("sldCardTime"), QStringLiteral("drag 30"));

    click(QStringLiteral("chkTimer"));
    groupEnabled(false);
    act(QStringLiteral("sldCountDown"), QStringLiteral("home"));
    click(QStringLiteral("chkCountDown"));
    verifyProbes({"chkCountDown.checked=true", "sldCountDown.value=12", "lblCountDown.text=12",
                  "settings.gameTimeLimit=12", "sldCardTime.value=30", "settings.cardTimeLimit=30"});

    click(QStringLiteral("chkTimer"));
    groupEnabled(true);
    verifyProbes({"chkCountDown.checked=true", "chkCardTime.checked=false", "sldCountDown.value=12"});
}

void TestSetupPanel::divisionOffAndOn()
{
    f->panel->applySettings(SettingsRecord{});
    const QStringList group{"FrameDivRange", "chk10", "chk12", "Label1", "Label3", "lblDivisor1", "lblDivisor2",
                            "sldDivisor1", "sldDivisor2"};
    const auto groupEnabled = [&](bool on) {
        for (const QString &name : group)
            QVERIFY2(control(name)->isEnabled() == on, qPrintable(name));
    };
    groupEnabled(false);

    click(QStringLiteral("chkDivision"));
    groupEnabled(true);
    act(QStringLiteral("sldDivisor2"), QStringLiteral("drag 7"));
    act(QStringLiteral("sldDivisor1"), QStringLiteral("drag 5"));
    click(QStringLiteral("chk10"));

    click(QStringLiteral("chkDivision"));
    groupEnabled(false);
    // A disabled slider does not move.
    act(QStringLiteral("sldDivisor1"), QStringLiteral("end"));
    act(QStringLiteral("sldDivisor2"), QStringLiteral("home"));
    verifyProbes({"sldDivisor1.value=5", "lblDivisor1.text=5", "sldDivisor2.value=7", "lblDivisor2.text=7"});

    click(QStringLiteral("chkDivision"));
    groupEnabled(true);
    verifyProbes({"sldDivisor1.value=5", "lblDivisor1.text=5", "settings.divisorLow=5", "sldDivisor2.value=7",
                  "lblDivisor2.text=7", "settings.divisorHigh=7", "chk10.checked=true"});
    QCOMPARE(f->panel->divisionResultLimit(), 10);
}

void TestSetupPanel::toolTips_data()
{
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("menu") << true;
    QTest::newRow("call") << false;
}

void TestSetupPanel::toolTips()
{
    QFETCH(bool, byMenu);
    const QHash<QString, QString> tips{
        {"chkAddition", "Check for addition"},
        {"chkSubtraction", "Check for Subtraction"},
        {"chkMultiplication", "Check for Multiplication"},
        {"chkCardCountDisp", "Check to display card count during the game"},
        {"chkCountDown", "Set pre-set time for game. Timer counts down and game ends when time is 0."},
        {"chkCardTime", "Set time limt for each card. Card will advance if answer is not entered before time elapsed."},
        {"chkPrevCard", "Check to display the previous problem and answer"},
        {"chkCarry", "Check to display boxes to write carry over numbers"},
        {"chkSounds", "check to have sound played after each answer entered. Different for Right or Wrong."},
        {"chkSummary", "Check to display Summary of entire game with ability to print and save to a file"},
        {"chkTimer", "Check to display game and card timers"},
        {"chkVerbal", "Check to use verbal answers under supervision"},
        {"optAnsFormatSingle", "Use single data entry box. Good for simple problems"},
        {"optAnsFormatSeparate", "Use separate entry boxes from left to right. Goo for more complex problems"},
        {"frmBotDigits", "Select highest number for random problem"},
        {"frmTopDigits", "Select highest number for random problem"},
        {"sldCardAmt", "Select the total number of cards for the game"},
    };
    const QString keypadTip = QStringLiteral("Use your mouse with this keypad to enter answers");
    const auto toggle = [&] { byMenu ? f->mnuToolTips->trigger() : f->panel->toggleToolTips(); };
    const auto verifyTips = [&](bool on) {
        for (QWidget *widget : f->panel->findChildren<QWidget *>())
            QCOMPARE(widget->objectName() + ": " + widget->toolTip(),
                     widget->objectName() + ": " + (on ? tips.value(widget->objectName()) : QString()));
        QCOMPARE(f->keypad.toolTip(), on ? keypadTip : QString());
        QCOMPARE(f->panel->toolTip(), QString());
    };

    verifyTips(false);
    toggle();
    QCOMPARE(f->mnuToolTips->text(), QStringLiteral("Disable Tool Tips"));
    QVERIFY(f->panel->toolTipsEnabled());
    verifyTips(true);
    toggle();
    QCOMPARE(f->mnuToolTips->text(), QStringLiteral("Enable Tool Tips"));
    QVERIFY(!f->panel->toolTipsEnabled());
    verifyTips(false);

    // A keypad attached later follows the command's state.
    toggle();
    QWidget lateKeypad;
    f->panel->attachKeypad(&lateKeypad);
    QCOMPARE(lateKeypad.toolTip(), keypadTip);
}

void TestSetupPanel::setupTabsCommand()
{
    QVERIFY(f->panel->setupTabsWanted());
    f->mnuSetup->trigger();
    verifyProbes({"tbsOne.hidden=true", "mnuSetup.text=Show Setup Tabs"});
    QVERIFY(!f->panel->setupTabsWanted());
    f->mnuSetup->trigger();
    verifyProbes({"tbsOne.hidden=false", "mnuSetup.text=Hide Setup Tabs"});

    // A game hides and shows the panel without the command; the caption decides.
    f->mnuSetup->trigger();
    f->panel->hide();
    f->panel->show();
    f->mnuSetup->trigger();
    verifyProbes({"tbsOne.hidden=false", "mnuSetup.text=Hide Setup Tabs"});
    f->panel->hide();
    f->mnuSetup->trigger();
    verifyProbes({"tbsOne.hidden=true", "mnuSetup.text=Show Setup Tabs"});
}

void TestSetupPanel::rangePairs_data()
{
    QTest::addColumn<QString>("pair"); // "Top" or "Bot"
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QStringList>("moves"); // "Min 5", "Max 40"
    QTest::addColumn<int>("expectedMinimum");
    QTest::addColumn<int>("expectedMaximum");

    for (const char *pair : {"Top", "Bot"}) {
        const auto row = [pair](const char *tag, int minimum, int maximum, QStringList moves, int lo, int hi) {
            QTest::addRow("%s: %s", pair, tag) << pair << minimum << maximum << moves << lo << hi;
        };
        row("max dragged below min", 10, 40, {"Max 5"}, 5, 5);
        row("then min dragged above max", 5, 5, {"Min 60"}, 60, 60);
        row("both in one go", 10, 40, {"Max 5", "Min 60"}, 60, 60);
        row("min up to max", 9, 10, {"Min 10"}, 10, 10);
        row("min one past max", 9, 10, {"Min 11"}, 11, 11);
        row("min to 99", 3, 50, {"Min 99"}, 99, 99);
        row("min to 99 by key", 3, 50, {"Min end"}, 99, 99);
        row("max to 1 by key", 30, 50, {"Max home"}, 1, 1);
        row("min below max", 10, 40, {"Min 20"}, 20, 40);
        row("max above min", 10, 40, {"Max 90"}, 10, 90);
        row("max one step down to min", 10, 11, {"Max left", "Max left"}, 9, 9);
        row("max pushed back up", 10, 40, {"Max 5", "Max 70"}, 5, 70);
        // The other end is pushed only by where the handle is let go.
        row("max dragged past min and back", 10, 40, {"Max 5 30"}, 10, 30);
        row("min dragged past max and back", 10, 40, {"Min 80 20"}, 20, 40);
        row("file order reversed, max moved", 40, 10, {"Max 20"}, 20, 20);
        row("file order reversed, min moved", 40, 10, {"Min 30"}, 30, 30);
    }
}

void TestSetupPanel::rangePairs()
{
    QFETCH(QString, pair);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(QStringList, moves);
    QFETCH(int, expectedMinimum);
    QFETCH(int, expectedMaximum);

    const bool top = pair == QLatin1String("Top");
    SettingsRecord record;
    record.advancedRange = true;
    (top ? record.topMin : record.bottomMin) = minimum;
    (top ? record.topMax : record.bottomMax) = maximum;
    f->panel->applySettings(record);

    for (const QString &move : moves) {
        const QString end = move.section(' ', 0, 0);
        const QString action = move.section(' ', 1);
        act("sld" + pair + end, action.front().isDigit() ? "drag " + action : action);
    }
    const QString minSetting = top ? QStringLiteral("topMin") : QStringLiteral("bottomMin");
    const QString maxSetting = top ? QStringLiteral("topMax") : QStringLiteral("bottomMax");
    const QString lo = QString::number(expectedMinimum);
    const QString hi = QString::number(expectedMaximum);
    verifyProbes({"sld" + pair + "Min.value=" + lo, "lbl" + pair + "Min.text=" + lo, "settings." + minSetting + '=' + lo,
                  "sld" + pair + "Max.value=" + hi, "lbl" + pair + "Max.text=" + hi, "settings." + maxSetting + '=' + hi});
    // The other pair stays where it was.
    const QString other = top ? QStringLiteral("Bot") : QStringLiteral("Top");
    verifyProbes({"sld" + other + "Min.value=1", "sld" + other + "Max.value=1"});
}

void TestSetupPanel::divisorPair_data()
{
    QTest::addColumn<QStringList>("moves"); // "From 8", "To 3", "To left"
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");

    QTest::newRow("to dragged below from") << QStringList{"To 3"} << 5 << 5;
    QTest::newRow("from dragged above to") << QStringList{"From 8"} << 8 << 8;
    QTest::newRow("to within range") << QStringList{"To 9"} << 5 << 9;
    QTest::newRow("to down to from") << QStringList{"To 5"} << 5 << 5;
    QTest::newRow("from below to") << QStringList{"From 3"} << 3 << 7;
    QTest::newRow("to below from by keys") << QStringList{"To left", "To left", "To left"} << 5 << 5;
    QTest::newRow("to home") << QStringList{"To home"} << 5 << 5;
    QTest::newRow("to track click down") << QStringList{"To track-"} << 5 << 5;
    QTest::newRow("from end pushes to") << QStringList{"From end"} << 9 << 9;
    QTest::newRow("from pushed, back down") << QStringList{"From 8", "From 2"} << 2 << 8;
    QTest::newRow("to dragged below from and back") << QStringList{"To 3 6"} << 5 << 6;
    QTest::newRow("to below from, then from down") << QStringList{"To 3", "From 2", "To 3"} << 2 << 3;
}

void TestSetupPanel::divisorPair()
{
    QFETCH(QStringList, moves);
    QFETCH(int, low);
    QFETCH(int, high);

    SettingsRecord record;
    record.useDivision = true;
    record.divisorLow = 5;
    record.divisorHigh = 7;
    f->panel->applySettings(record);
    for (const QString &move : moves) {
        const QString slider = move.startsWith(QLatin1String("From")) ? QStringLiteral("sldDivisor1")
                                                                     : QStringLiteral("sldDivisor2");
        const QString action = move.section(' ', 1);
        act(slider, action.front().isDigit() ? "drag " + action : action);
    }
    const QString lo = QString::number(low);
    const QString hi = QString::number(high);
    verifyProbes({"sldDivisor1.value=" + lo, "lblDivisor1.text=" + lo, "settings.divisorLow=" + lo,
                  "sldDivisor2.value=" + hi, "lblDivisor2.text=" + hi, "settings.divisorHigh=" + hi});
}

void TestSetupPanel::dragShowsValueWhileMoving()
{
    SettingsRecord record;
    record.useDivision = true;
    record.divisorLow = 5;
    record.divisorHigh = 7;
    f->panel->applySettings(record);
    auto *slider = control<QSlider>(QStringLiteral("sldDivisor2"));
    showPageOf(slider);
    const QPoint start = handleRect(slider).center();
    QTest::mousePress(slider, Qt::LeftButton, {}, start);
    const QPoint low(handleCentreFor(slider, 3), start.y());
    sendMove(slider, (start + low) / 2);
    sendMove(slider, low);
    verifyProbes({"sldDivisor2.value=3", "lblDivisor2.text=3", "lblDivisor1.text=5"});
    QTest::mouseRelease(slider, Qt::LeftButton, {}, low);
    verifyProbes({"sldDivisor2.value=5", "lblDivisor2.text=5", "settings.divisorHigh=5"});
}

void TestSetupPanel::restoreDivisorSliders()
{
    SettingsRecord record;
    record.useDivision = true;
    record.divisorLow = 3;
    record.divisorHigh = 8;
    f->panel->applySettings(record);
    // The high slider's thumb shows the high divisor, not the low one.
    verifyProbes({"sldDivisor2.value=8", "lblDivisor2.text=8", "settings.divisorHigh=8"});

    f->panel->restoreDivisorSliders();
    verifyProbes({"sldDivisor1.value=3", "lblDivisor1.text=3", "sldDivisor2.value=8", "lblDivisor2.text=8",
                  "settings.divisorLow=3", "settings.divisorHigh=8"});
}

void TestSetupPanel::rangeModes()
{
    f->panel->applySettings(SettingsRecord{.topMin = 4, .topMax = 30, .topLimit = 12});
    const QStringList basic{"mnuAdvanced.visible=true", "mnuBasic.visible=false", "frmTopDigits.hidden=true",
                            "frmBotDigits.hidden=true", "frmTopRange.hidden=false", "frmBotRange.hidden=false",
                            "settings.advancedRange=0"};
    const QStringList advanced{"mnuAdvanced.visible=false", "mnuBasic.visible=true", "frmTopDigits.hidden=false",
                               "frmBotDigits.hidden=false", "frmTopRange.hidden=true", "frmBotRange.hidden=true",
                               "settings.advancedRange=1"};
    const QStringList values{"sldTopMin.value=4", "sldTopMax.value=30", "sldTop.value=12", "settings.topLimit=12",
                             "settings.topMin=4", "settings.topMax=30"};
    verifyProbes(basic + values);
    f->mnuAdvanced->trigger();
    verifyProbes(advanced + values);
    f->mnuBasic->trigger();
    verifyProbes(basic + values);
    f->panel->showAdvancedSetup();
    verifyProbes(advanced);
    f->panel->showBasicSetup();
    verifyProbes(basic);
}

void TestSetupPanel::applySettings_data()
{
    QTest::addColumn<SettingsRecord>("record");
    QTest::addColumn<QStringList>("probes");

    QTest::newRow("no file") << SettingsRecord{}
                             << QStringList{"sldCardAmt.value=10", "lblCardAmt.text=10", "chkAddition.checked=false",
                                            "chkDivision.checked=false", "FrameDivRange.enabled=false",
                                            "sldTop.value=1", "sldBotMax.value=1", "sldDivisor1.value=2",
                                            "sldDivisor2.value=2", "optAnsFormatSeparate.checked=true",
                                            "chkHigh.enabled=true", "chkCarry.enabled=true",
                                            "frmTopRange.hidden=false", "frmTopDigits.hidden=true",
                                            "mnuBasic.visible=false", "chk12.checked=true",
                                            "lblCardTime.text=2", "settings.cardTimeLimit=2"};
    QTest::newRow("timer off") << SettingsRecord{.timerOn = false}
                               << QStringList{"chkTimer.checked=false", "sldCardTime.enabled=false",
                                              "sldCountDown.enabled=false", "chkCardTime.enabled=false",
                                              "chkCountDown.enabled=false", "lblMinutes.enabled=false"};
    QTest::newRow("timer on") << SettingsRecord{.timerOn = true}
                              << QStringList{"chkTimer.checked=true", "sldCardTime.enabled=true",
                                             "sldCountDown.enabled=true", "lblSeconds.enabled=true"};
    QTest::newRow("operations") << SettingsRecord{.useAddition = true, .useMultiplication = true}
                                << QStringList{"chkAddition.checked=true", "chkSubtraction.checked=false",
                                               "chkMultiplication.checked=true"};
    QTest::newRow("division on") << SettingsRecord{.useDivision = true, .divisorLow = 3, .divisorHigh = 6}
                                 << QStringList{"chkDivision.checked=true", "FrameDivRange.enabled=true",
                                                "sldDivisor1.value=3", "lblDivisor1.text=3", "sldDivisor2.value=6",
                                                "lblDivisor2.text=6", "settings.divisorHigh=6"};
    QTest::newRow("division off keeps values") << SettingsRecord{.divisorLow = 4, .divisorHigh = 9}
                                               << QStringList{"FrameDivRange.enabled=false", "sldDivisor1.value=4",
                                                              "sldDivisor2.value=9", "lblDivisor2.text=9",
                                                              "settings.divisorLow=4"};
    QTest::newRow("divisors reversed") << SettingsRecord{.useDivision = true, .divisorLow = 8, .divisorHigh = 3}
                                       << QStringList{"sldDivisor1.value=8", "sldDivisor2.value=3",
                                                      "settings.divisorLow=8", "settings.divisorHigh=3"};
    QTest::newRow("single box") << SettingsRecord{.answerFormat = 2, .highlightEntry = true}
                                << QStringList{"optAnsFormatSingle.checked=true", "chkHigh.checked=true",
                                               "chkHigh.enabled=false", "chkCarry.enabled=false"};
    QTest::newRow("separate boxes") << SettingsRecord{.answerFormat = 1, .showCarryBoxes = true}
                                    << QStringList{"optAnsFormatSeparate.checked=true", "chkCarry.checked=true",
                                                   "chkHigh.enabled=true"};
    QTest::newRow("answer format 3") << SettingsRecord{.answerFormat = 3}
                                     << QStringList{"optAnsFormatSeparate.checked=true",
                                                    "optAnsFormatSingle.checked=false", "chkHigh.enabled=true"};
    QTest::newRow("single box refuses carry") << SettingsRecord{.answerFormat = 2, .showCarryBoxes = true}
                                              << QStringList{"chkCarry.checked=false", "chkCarry.enabled=false"};
    QTest::newRow("flags") << SettingsRecord{.soundsOn = true, .verbalMode = true, .showSummary = true,
                                             .showPreviousCard = true, .useKeypad = true}
                           << QStringList{"chkSounds.checked=true", "chkVerbal.checked=true", "chkSummary.checked=true",
                                          "chkPrevCard.checked=true", "chkKeypad.checked=true",
                                          "chkCardCountDisp.checked=false"};
    QTest::newRow("card count display") << SettingsRecord{.showCardCount = true}
                                        << QStringList{"chkCardCountDisp.checked=true"};
    QTest::newRow("ranges") << SettingsRecord{.cardCount = 45, .topMin = 12, .topMax = 87, .bottomMin = 3,
                                              .bottomMax = 9, .topLimit = 50, .bottomLimit = 6}
                            << QStringList{"sldCardAmt.value=45", "lblCardAmt.text=45", "settings.cardCount=45",
                                           "sldTopMin.value=12", "lblTopMin.text=12", "sldTopMax.value=87",
                                           "lblTopMax.text=87", "sldBotMin.value=3", "lblBotMin.text=3",
                                           "sldBotMax.value=9", "lblBotMax.text=9", "sldTop.value=50",
                                           "lblTop.text=50", "settings.topLimit=50", "sldBot.value=6",
                                           "lblBot.text=6", "settings.bottomLimit=6"};
    QTest::newRow("out of range values agree") << SettingsRecord{.cardCount = 5, .topMax = 500, .divisorLow = 0}
                                               << QStringList{"sldCardAmt.value=10", "lblCardAmt.text=10",
                                                              "settings.cardCount=10", "sldTopMax.value=99",
                                                              "lblTopMax.text=99", "settings.topMax=99",
                                                              "sldDivisor1.value=2", "settings.divisorLow=2"};
    QTest::newRow("advanced") << SettingsRecord{.advancedRange = true}
                              << QStringList{"mnuAdvanced.visible=false", "mnuBasic.visible=true",
                                             "frmTopDigits.hidden=false", "frmBotDigits.hidden=false",
                                             "frmTopRange.hidden=true", "frmBotRange.hidden=true",
                                             "settings.advancedRange=1"};
}

void TestSetupPanel::applySettings()
{
    QFETCH(SettingsRecord, record);
    QFETCH(QStringList, probes);
    // Choices of an earlier life of the panel that the start-up resets.
    control<QRadioButton>(QStringLiteral("chk10"))->setChecked(true);
    control<QSlider>(QStringLiteral("sldCardTime"))->setValue(40);
    f->panel->applySettings(record);
    verifyProbes(probes);
}

void TestSetupPanel::firstRunWritesDefaults()
{
    f->panel->applySettings(parseSettings({}));
    QCOMPARE(formatSettings(f->panel->collectSettings(false)),
             QByteArray("10\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n1\r\n1\r\n1\r\n2\r\n2\r\n1\r\n1\r\n1\r\n"
                        "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"));
    QCOMPARE(f->panel->collectSettings(true).skipIntroHelp, true);
}

void TestSetupPanel::savedPanelReadsBack_data()
{
    QTest::addColumn<QStringList>("steps"); // control names to click, or "slider action"

    QTest::newRow("operations and flags") << QStringList{"chkAddition", "chkDivision", "chkSounds", "chkSummary",
                                                         "chkCardCountDisp", "chkPrevCard", "chkKeypad", "chkHigh",
                                                         "chkCarry", "chkTimer", "chkVerbal", "chkMultiplication",
                                                         "chkSubtraction"};
    QTest::newRow("single box") << QStringList{"chkHigh", "chkCarry", "optAnsFormatSingle"};
    QTest::newRow("ranges") << QStringList{"sldCardAmt drag 70", "sldTop drag 33", "sldBot pageup",
                                           "chkDivision",        "sldDivisor1 drag 4", "sldDivisor2 drag 8"};
    QTest::newRow("advanced ranges") << QStringList{"advanced", "sldTopMin drag 20", "sldTopMax drag 60",
                                                    "sldBotMax drag 9", "sldBotMin drag 3"};
    QTest::newRow("advanced then basic") << QStringList{"advanced", "sldTopMax drag 60", "basic"};
}

void TestSetupPanel::savedPanelReadsBack()
{
    QFETCH(QStringList, steps);
    f->panel->applySettings(SettingsRecord{});
    for (const QString &step : steps) {
        if (step == QLatin1String("advanced"))
            f->mnuAdvanced->trigger();
        else if (step == QLatin1String("basic"))
            f->mnuBasic->trigger();
        else if (step.contains(' '))
            act(step.section(' ', 0, 0), step.section(' ', 1));
        else
            click(step);
    }
    const SettingsRecord saved = f->panel->collectSettings(false);
    const GameSettings settingsBefore = f->settings;
    QStringList before;
    const QList<QWidget *> widgets = f->panel->findChildren<QWidget *>();
    const auto snapshot = [](QWidget *w) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
            return QString();
        QString state = w->objectName() + (w->isEnabled() ? " enabled" : " disabled") +
                        (w->isHidden() ? " hidden" : " shown");
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            state += button->isChecked() ? " checked" : " unchecked";
        if (auto *slider = qobject_cast<QSlider *>(w))
            state += ' ' + QString::number(slider->value());
        if (auto *label = qobject_cast<QLabel *>(w))
            state += ' ' + label->text();
        return state;
    };
    for (QWidget *widget : widgets)
        before << snapshot(widget);
    before.removeAll(QString());
    before.sort(); // the order of children follows the tab last shown

    cleanup();
    init();
    f->panel->applySettings(parseSettings(formatSettings(saved)));
    QCOMPARE(f->panel->collectSettings(false), saved);
    QStringList after;
    for (QWidget *widget : f->panel->findChildren<QWidget *>())
        after << snapshot(widget);
    after.removeAll(QString());
    after.sort();
    QCOMPARE(after, before);
    QCOMPARE(f->settings.cardCount, settingsBefore.cardCount);
    QCOMPARE(f->settings.advancedRange, settingsBefore.advancedRange);
}

QTEST_MAIN(TestSetupPanel)
#include "tst_setuppanel.moc"
