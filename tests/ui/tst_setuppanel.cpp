#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTabBar>
#include <QTranslator>
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
        const auto command = [this](const char *name, const char *caption) {
            auto *action = new QAction(QString::fromLatin1(caption), &host);
            action->setObjectName(QString::fromLatin1(name));
            return action;
        };
        mnuAdvanced = command("mnuAdvanced", "Advanced Set Up");
        mnuBasic = command("mnuBasic", "Basic Set Up");
        mnuToolTips = command("mnuToolTips", "Enable Tool Tips");
        mnuSetup = command("mnuSetup", "Hide Setup Tabs");
        panel->attachMenu(mnuAdvanced, mnuBasic, mnuToolTips, mnuSetup);
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
        {"cardCount", s.cardCount},     {"topMin", s.topMin},           {"topMax", s.topMax},
        {"bottomMin", s.bottomMin},     {"bottomMax", s.bottomMax},     {"divisorLow", s.divisorLow},
        {"divisorHigh", s.divisorHigh}, {"topLimit", s.topLimit},       {"bottomLimit", s.bottomLimit},
        {"advancedRange", s.advancedRange}, {"cardTimeLimit", s.cardTimeLimit}, {"gameTimeLimit", s.gameTimeLimit},
    };
    if (!values.contains(name))
        qFatal("no setting %s", qPrintable(name));
    return values.value(name);
}

QString panelText(const char *source)
{
    return QCoreApplication::translate("SetupPanel", source);
}

// The program's translation for the rest of a test (none for English), loaded
// after the commands were given their captions.
std::unique_ptr<QTranslator> useLanguage(const QString &code)
{
    if (code == QLatin1String("en"))
        return nullptr;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral(":/i18n/sumdrop_") + code) ||
        !QCoreApplication::installTranslator(translator.get()))
        qFatal("no translation %s", qPrintable(code));
    return translator;
}

QStringList words(const char *text)
{
    return QString::fromLatin1(text).split(' ', Qt::SkipEmptyParts);
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
    option.state |= QStyle::State_Horizontal;
    return option;
}

QRect sliderPart(const QSlider *slider, QStyle::SubControl part)
{
    const QStyleOptionSlider option = sliderOption(slider);
    return slider->style()->subControlRect(QStyle::CC_Slider, &option, part, slider);
}

// Where the mouse holding the handle by its centre puts the slider at value.
QPoint handleCentreFor(const QSlider *slider, int value)
{
    const QRect groove = sliderPart(slider, QStyle::SC_SliderGroove);
    const QRect handle = sliderPart(slider, QStyle::SC_SliderHandle);
    const int span = groove.width() - handle.width();
    return {groove.x() + QStyle::sliderPositionFromValue(slider->minimum(), slider->maximum(), value, span) +
                handle.width() / 2,
            handle.center().y()};
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
    void initTestCase() { installFontSubstitutes(); }
    void init();
    void cleanup() { f.reset(); }

    void captions_data();
    void captions();
    void sliders_data();
    void sliders();
    void nothingClipped_data();
    void nothingClipped();

    void clickRules_data();
    void clickRules();
    void timerOffKeepsChoices();
    void divisionOffAndOn();
    void toolTips_data() { languages(); }
    void toolTips();
    void setupTabsCommand_data() { languages(); }
    void setupTabsCommand();

    void rangePairs_data();
    void rangePairs();
    void divisorPair_data();
    void divisorPair();
    void dragShowsValueWhileMoving();

    void applySettings_data();
    void applySettings();
    void firstRunWritesDefaults();
    void savedPanelReadsBack_data();
    void savedPanelReadsBack();

private:
    static void languages()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QStringLiteral("en");
        QTest::newRow("German") << QStringLiteral("de");
    }
    template<typename T = QWidget>
    T *control(const QString &name) const
    {
        T *found = f->panel->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    void showPageOf(QWidget *widget);
    void click(const QString &name);
    void act(const QString &sliderName, const QString &action);
    void run(const QStringList &steps);
    QString probe(const QString &path) const;
    void verify(const QStringList &probes) const;

    std::unique_ptr<Fixture> f;
};

void TestSetupPanel::init()
{
    f = std::make_unique<Fixture>();
    QVERIFY(QTest::qWaitForWindowExposed(&f->host));
}

void TestSetupPanel::showPageOf(QWidget *widget)
{
    for (int i = 0; i < f->panel->count(); ++i) {
        if (f->panel->widget(i)->isAncestorOf(widget))
            f->panel->setCurrentIndex(i);
    }
    QApplication::processEvents();
}

void TestSetupPanel::click(const QString &name)
{
    auto *button = control<QAbstractButton>(name);
    showPageOf(button);
    QVERIFY2(button->isVisible(), qPrintable(name));
    // On the indicator: a wide button's middle may lie past its caption.
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

// Keys ("right", "pageup", "end", ...); "track+"/"track-": a click on the
// track at its end; "wheel+"/"wheel-"; "drag N M": the handle held through N
// to M, then let go.
void TestSetupPanel::act(const QString &sliderName, const QString &action)
{
    auto *slider = control<QSlider>(sliderName);
    showPageOf(slider);
    const QHash<QString, Qt::Key> keys{{"right", Qt::Key_Right},   {"left", Qt::Key_Left},
                                       {"up", Qt::Key_Up},         {"pageup", Qt::Key_PageUp},
                                       {"home", Qt::Key_Home},     {"end", Qt::Key_End}};
    QPoint at = sliderPart(slider, QStyle::SC_SliderHandle).center();
    if (keys.contains(action)) {
        QTest::keyClick(slider, keys.value(action));
    } else if (action.startsWith(QLatin1String("track"))) {
        QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(action.endsWith('+') ? slider->width() - 2 : 2, at.y()));
    } else if (action.startsWith(QLatin1String("wheel"))) {
        QWheelEvent wheel(at, slider->mapToGlobal(at), QPoint(), QPoint(0, action.endsWith('+') ? 120 : -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(slider, &wheel);
    } else if (action.startsWith(QLatin1String("drag "))) {
        QTest::mousePress(slider, Qt::LeftButton, {}, at);
        QVERIFY(slider->isSliderDown());
        for (const QString &value : action.mid(5).split(' ')) {
            const QPoint to = handleCentreFor(slider, value.toInt());
            for (int i = 1; i <= 8; ++i)
                sendMove(slider, at + (to - at) * i / 8);
            at = to;
        }
        QTest::mouseRelease(slider, Qt::LeftButton, {}, at);
        QVERIFY(!slider->isSliderDown());
    } else {
        QFAIL(qPrintable("unknown action " + action));
    }
}

// Each step clicks a control or acts on a slider: "chkTimer", "sldTop:pageup",
// "sldTop:drag 5 30"; "advanced" and "basic" choose the menu commands.
void TestSetupPanel::run(const QStringList &steps)
{
    for (const QString &step : steps) {
        if (step == QLatin1String("advanced"))
            f->mnuAdvanced->trigger();
        else if (step == QLatin1String("basic"))
            f->mnuBasic->trigger();
        else if (step.contains(':'))
            act(step.section(':', 0, 0), step.section(':', 1));
        else
            click(step);
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
    if (!target)
        target = object == QLatin1String("tbsOne") ? f->panel : control(object);
    if (property == QLatin1String("hidden"))
        return QVariant(qobject_cast<QWidget *>(target)->isHidden()).toString();
    const QVariant value = target->property(property.toLatin1());
    if (!value.isValid())
        qFatal("no property %s", qPrintable(path));
    return value.toString();
}

void TestSetupPanel::verify(const QStringList &probes) const
{
    for (const QString &expected : probes) {
        const QString path = expected.section('=', 0, 0);
        QCOMPARE(path + '=' + probe(path), expected);
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

    const QStringList tabs{"Setup", "Number Range", "Math Functions", "Answer Format", "Timer Options"};
    QCOMPARE(f->panel->count(), tabs.size());
    QCOMPARE(f->panel->tabText(tab), tabs[tab]);
    QWidget *widget = control(name);
    QVERIFY(f->panel->widget(tab)->isAncestorOf(widget));
    const QVariant title = widget->property("title");
    QCOMPARE((title.isValid() ? title : widget->property("text")).toString(), caption);

    const QFont font = widget->font();
    QCOMPARE(font.family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(font.pointSizeF(), 9.75);
    QVERIFY(font.bold());
    // Nothing is chosen at first but the two defaults.
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        QCOMPARE(button->isChecked(), name == QLatin1String("chk12") || name == QLatin1String("optAnsFormatSeparate"));
}

void TestSetupPanel::sliders_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("pageStep");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("setting");

    QTest::newRow("sldCardAmt") << "sldCardAmt" << 0 << 10 << 100 << 5 << "lblCardAmt" << "cardCount";
    QTest::newRow("sldTop") << "sldTop" << 1 << 1 << 99 << 5 << "lblTop" << "topLimit";
    QTest::newRow("sldBot") << "sldBot" << 1 << 1 << 99 << 5 << "lblBot" << "bottomLimit";
    QTest::newRow("sldTopMin") << "sldTopMin" << 1 << 1 << 99 << 1 << "lblTopMin" << "topMin";
    QTest::newRow("sldTopMax") << "sldTopMax" << 1 << 1 << 99 << 5 << "lblTopMax" << "topMax";
    QTest::newRow("sldBotMin") << "sldBotMin" << 1 << 1 << 99 << 5 << "lblBotMin" << "bottomMin";
    QTest::newRow("sldBotMax") << "sldBotMax" << 1 << 1 << 99 << 5 << "lblBotMax" << "bottomMax";
    QTest::newRow("sldDivisor1") << "sldDivisor1" << 2 << 2 << 9 << 1 << "lblDivisor1" << "divisorLow";
    QTest::newRow("sldDivisor2") << "sldDivisor2" << 2 << 2 << 9 << 5 << "lblDivisor2" << "divisorHigh";
    QTest::newRow("sldCountDown") << "sldCountDown" << 4 << 1 << 30 << 5 << "lblCountDown" << "gameTimeLimit";
    QTest::newRow("sldCardTime") << "sldCardTime" << 4 << 2 << 60 << 5 << "lblCardTime" << "cardTimeLimit";
}

void TestSetupPanel::sliders()
{
    QFETCH(QString, name);
    QFETCH(int, tab);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, pageStep);
    QFETCH(QString, label);
    QFETCH(QString, setting);

    auto *slider = control<QSlider>(name);
    QVERIFY(f->panel->widget(tab)->isAncestorOf(slider));
    QCOMPARE(slider->orientation(), Qt::Horizontal);
    QCOMPARE(slider->singleStep(), name == QLatin1String("sldCardAmt") ? 5 : 1);
    QCOMPARE(slider->pageStep(), pageStep);
    const auto expect = [&](int value) {
        QCOMPARE(slider->value(), value);
        verify({label + ".text=" + QString::number(value), "settings." + setting + '=' + QString::number(value)});
    };
    expect(minimum);

    // The divisor and time sliders move only while their group is switched on.
    if (name.startsWith(QLatin1String("sldDivisor")))
        click(QStringLiteral("chkDivision"));
    if (name == QLatin1String("sldCardTime") || name == QLatin1String("sldCountDown"))
        click(QStringLiteral("chkTimer"));
    for (const char *key : {"end", "pageup", "right"})
        act(name, QString::fromLatin1(key));
    expect(maximum);
    for (const char *key : {"home", "left"})
        act(name, QString::fromLatin1(key));
    expect(minimum);
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
    QCOMPARE(f->panel->size(), QSize(400, 420));
    QCOMPARE(f->panel->minimumSize(), f->panel->maximumSize());
    QTabBar *bar = f->panel->tabBar();
    const QRect tabRect = bar->tabRect(tab);
    QVERIFY(f->panel->rect().contains(QRect(bar->mapTo(f->panel, tabRect.topLeft()), tabRect.size())));
    QVERIFY(tabRect.width() > bar->fontMetrics().horizontalAdvance(bar->tabText(tab)));

    if (advanced)
        f->panel->showAdvancedSetup();
    f->panel->setCurrentIndex(tab);
    QApplication::processEvents();
    QWidget *page = f->panel->widget(tab);
    QVERIFY(f->panel->rect().contains(QRect(page->mapTo(f->panel, QPoint()), page->size())));
    QVERIFY(page->layout()->minimumSize().height() <= page->height());
    for (QWidget *widget : page->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(page))
            continue;
        QVERIFY2(page->rect().contains(QRect(widget->mapTo(page, QPoint()), widget->size())),
                 qPrintable(widget->objectName()));
        // Captions are shown whole.
        auto *label = qobject_cast<QLabel *>(widget);
        if (label && label->wordWrap())
            QVERIFY(label->height() >= label->heightForWidth(label->width()));
        else if (label || qobject_cast<QAbstractButton *>(widget) || qobject_cast<QGroupBox *>(widget))
            QVERIFY2(widget->width() >= widget->minimumSizeHint().width() &&
                         widget->height() >= widget->minimumSizeHint().height(),
                     qPrintable(widget->objectName()));
    }
}

void TestSetupPanel::clickRules_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("probes");

    QTest::newRow("single box") << words("chkCarry chkHigh optAnsFormatSingle")
                                << words("chkCarry.checked=false chkCarry.enabled=false chkHigh.checked=true "
                                         "chkHigh.enabled=false optAnsFormatSeparate.checked=false");
    QTest::newRow("separate boxes again") << words("chkCarry chkHigh optAnsFormatSingle optAnsFormatSeparate")
                                          << words("chkCarry.checked=false chkCarry.enabled=true "
                                                   "chkHigh.checked=true chkHigh.enabled=true");
    QTest::newRow("carry while single") << words("optAnsFormatSingle chkCarry") << words("chkCarry.checked=false");
    QTest::newRow("card time") << words("chkTimer chkCardTime")
                               << words("chkCardTime.checked=true chkCountDown.checked=false");
    QTest::newRow("card then game time") << words("chkTimer chkCardTime chkCountDown")
                                         << words("chkCardTime.checked=false chkCountDown.checked=true");
    QTest::newRow("game then card time") << words("chkTimer chkCountDown chkCardTime")
                                         << words("chkCardTime.checked=true chkCountDown.checked=false");
    QTest::newRow("game time off") << words("chkTimer chkCardTime chkCountDown chkCountDown")
                                   << words("chkCardTime.checked=false chkCountDown.checked=false");
    QTest::newRow("ten") << words("chkDivision chk10") << words("chk10.checked=true chk12.checked=false");
    QTest::newRow("advanced") << words("advanced")
                              << words("mnuAdvanced.visible=false mnuBasic.visible=true frmTopDigits.hidden=false "
                                       "frmBotDigits.hidden=false frmTopRange.hidden=true frmBotRange.hidden=true "
                                       "settings.advancedRange=1");
    // Each mode keeps its own values.
    QTest::newRow("advanced, then basic") << words("sldTop:pageup advanced sldTopMax:end basic")
                                          << words("mnuAdvanced.visible=true mnuBasic.visible=false "
                                                   "frmTopDigits.hidden=true frmBotDigits.hidden=true "
                                                   "frmTopRange.hidden=false frmBotRange.hidden=false "
                                                   "settings.advancedRange=0 sldTop.value=6 settings.topLimit=6 "
                                                   "sldTopMax.value=99 settings.topMax=99 sldTopMin.value=1");
}

void TestSetupPanel::clickRules()
{
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, probes);
    run(clicks);
    verify(probes);
    const bool single = control<QAbstractButton>(QStringLiteral("optAnsFormatSingle"))->isChecked();
    QCOMPARE(f->panel->singleBoxSelected(), single);
    QCOMPARE(f->panel->highlightActive(), !single && control<QAbstractButton>(QStringLiteral("chkHigh"))->isChecked());
    QCOMPARE(f->panel->divisionResultLimit(), control<QAbstractButton>(QStringLiteral("chk10"))->isChecked() ? 10 : 12);
}

void TestSetupPanel::timerOffKeepsChoices()
{
    const QStringList group = words("chkCountDown sldCountDown lblCountDown lblMinutes sldCardTime lblCardTime "
                                    "lblSeconds chkCardTime");
    const auto groupEnabled = [&](bool on) {
        for (const QString &name : group)
            QVERIFY2(control(name)->isEnabled() == on, qPrintable(name));
    };
    f->panel->applySettings(SettingsRecord{});
    groupEnabled(false);
    run({"chkTimer", "chkCountDown", "sldCountDown:drag 12", "sldCardTime:drag 30"});
    run({"chkTimer", "sldCountDown:home", "chkCountDown"});
    groupEnabled(false);
    verify(words("chkTimer.checked=false chkCountDown.checked=true sldCountDown.value=12 lblCountDown.text=12 "
                 "settings.gameTimeLimit=12 sldCardTime.value=30 settings.cardTimeLimit=30"));
    click(QStringLiteral("chkTimer"));
    groupEnabled(true);
    verify(words("chkCountDown.checked=true chkCardTime.checked=false"));
}

void TestSetupPanel::divisionOffAndOn()
{
    const QStringList group = words("chk10 chk12 Label1 Label3 lblDivisor1 lblDivisor2 sldDivisor1 sldDivisor2");
    const auto groupEnabled = [&](bool on) {
        QCOMPARE(control(QStringLiteral("FrameDivRange"))->isEnabled(), on);
        for (const QString &name : group)
            QVERIFY2(control(name)->isEnabled() == on, qPrintable(name));
    };
    f->panel->applySettings(SettingsRecord{});
    groupEnabled(false);
    run({"chkDivision", "sldDivisor2:drag 7", "sldDivisor1:drag 5", "chk10", "chkDivision"});
    groupEnabled(false);
    run({"sldDivisor1:end", "sldDivisor2:home"}); // no effect while disabled
    const QStringList values = words("sldDivisor1.value=5 lblDivisor1.text=5 settings.divisorLow=5 "
                                     "sldDivisor2.value=7 lblDivisor2.text=7 settings.divisorHigh=7");
    verify(values);
    click(QStringLiteral("chkDivision"));
    groupEnabled(true);
    verify(values + words("chk10.checked=true"));
}

void TestSetupPanel::toolTips()
{
    QFETCH(QString, language);
    const auto translation = useLanguage(language);
    const auto toggle = [&] { f->mnuToolTips->trigger(); };
    const auto tipped = [&] {
        QStringList names;
        for (QWidget *widget : f->panel->findChildren<QWidget *>()) {
            if (!widget->toolTip().isEmpty())
                names << widget->objectName();
        }
        names.sort();
        return names;
    };
    const QStringList all = words("chkAddition chkCardCountDisp chkCardTime chkCarry chkCountDown chkMultiplication "
                                  "chkPractise chkPrevCard chkSounds chkSubtraction chkSummary chkTimer chkVerbal frmBotDigits "
                                  "frmTopDigits optAnsFormatSeparate optAnsFormatSingle sldCardAmt");
    const QString keypadTip = panelText("Use your mouse with this keypad to enter answers");
    QVERIFY(tipped().isEmpty());

    toggle();
    QCOMPARE(f->mnuToolTips->text(), panelText("Disable Tool Tips"));
    QVERIFY(f->panel->toolTipsEnabled());
    QCOMPARE(tipped(), all);
    QCOMPARE(f->keypad.toolTip(), keypadTip);
    QCOMPARE(control(QStringLiteral("chkCardTime"))->toolTip(),
             panelText("Set time limt for each card. Card will advance if answer is not entered before time "
                       "elapsed."));
    QCOMPARE(control(QStringLiteral("optAnsFormatSeparate"))->toolTip(),
             panelText("Use separate entry boxes from left to right. Goo for more complex problems"));
    QCOMPARE(control(QStringLiteral("frmTopDigits"))->toolTip(),
             panelText("Select highest number for random problem"));

    toggle();
    QCOMPARE(f->mnuToolTips->text(), panelText("Enable Tool Tips"));
    QVERIFY(tipped().isEmpty());
    QVERIFY(f->keypad.toolTip().isEmpty());

    // A keypad attached later follows the command.
    toggle();
    QWidget lateKeypad;
    f->panel->attachKeypad(&lateKeypad);
    QCOMPARE(lateKeypad.toolTip(), keypadTip);
}

void TestSetupPanel::setupTabsCommand()
{
    QFETCH(QString, language);
    const auto translation = useLanguage(language);
    const auto expect = [&](bool shown, const char *caption) {
        QCOMPARE(f->panel->isHidden(), !shown);
        QCOMPARE(f->mnuSetup->text(), panelText(caption));
        QCOMPARE(f->panel->setupTabsWanted(), !qstrcmp(caption, "Hide Setup Tabs"));
    };
    f->mnuSetup->trigger();
    expect(false, "Show Setup Tabs");
    f->mnuSetup->trigger();
    expect(true, "Hide Setup Tabs");

    // A game hides and shows the panel without the command; the caption decides.
    f->mnuSetup->trigger();
    f->panel->hide();
    f->panel->show();
    f->mnuSetup->trigger();
    expect(true, "Hide Setup Tabs");
    f->panel->hide();
    f->mnuSetup->trigger();
    expect(false, "Show Setup Tabs");
}

void TestSetupPanel::rangePairs_data()
{
    QTest::addColumn<QString>("pair"); // "Top" or "Bot"
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QStringList>("moves"); // "Max:drag 5", "Min:end"
    QTest::addColumn<int>("expectedMinimum");
    QTest::addColumn<int>("expectedMaximum");

    for (const char *pair : {"Top", "Bot"}) {
        const auto row = [pair](const char *tag, int minimum, int maximum, QStringList moves, int lo, int hi) {
            QTest::addRow("%s: %s", pair, tag) << pair << minimum << maximum << moves << lo << hi;
        };
        row("max dragged below min", 10, 40, {"Max:drag 5"}, 5, 5);
        row("then min dragged above max", 5, 5, {"Min:drag 60"}, 60, 60);
        row("min up to max", 9, 10, {"Min:drag 10"}, 10, 10);
        row("min one past max", 9, 10, {"Min:drag 11"}, 11, 11);
        row("min to 99", 3, 50, {"Min:drag 99"}, 99, 99);
        row("min to 99 by key", 3, 50, {"Min:end"}, 99, 99);
        row("max to 1 by key", 30, 50, {"Max:home"}, 1, 1);
        row("inside the range", 10, 40, {"Min:drag 20", "Max:drag 90"}, 20, 90);
        row("max one step at a time", 10, 11, {"Max:left", "Max:left"}, 9, 9);
        row("max pushed back up", 10, 40, {"Max:drag 5", "Max:drag 70"}, 5, 70);
        // The other end is pushed only by where the handle is let go.
        row("max dragged past min and back", 10, 40, {"Max:drag 5 30"}, 10, 30);
        row("min dragged past max and back", 10, 40, {"Min:drag 80 20"}, 20, 40);
        row("ends reversed in the file", 40, 10, {"Max:drag 20"}, 20, 20);
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
    for (QString &move : moves)
        move.prepend("sld" + pair);
    run(moves);

    const QString lo = QString::number(expectedMinimum);
    const QString hi = QString::number(expectedMaximum);
    const QString field = top ? QStringLiteral("settings.top") : QStringLiteral("settings.bottom");
    verify({"sld" + pair + "Min.value=" + lo, "lbl" + pair + "Min.text=" + lo, field + "Min=" + lo,
            "sld" + pair + "Max.value=" + hi, "lbl" + pair + "Max.text=" + hi, field + "Max=" + hi});
    const QString other = top ? QStringLiteral("Bot") : QStringLiteral("Top");
    verify({"sld" + other + "Min.value=1", "sld" + other + "Max.value=1"});
}

void TestSetupPanel::divisorPair_data()
{
    QTest::addColumn<QStringList>("moves");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");

    QTest::newRow("to dragged below from") << QStringList{"sldDivisor2:drag 3"} << 5 << 5;
    QTest::newRow("from dragged above to") << QStringList{"sldDivisor1:drag 8"} << 8 << 8;
    QTest::newRow("inside the range") << QStringList{"sldDivisor2:drag 9", "sldDivisor1:drag 3"} << 3 << 9;
    QTest::newRow("to below from by keys") << words("sldDivisor2:left sldDivisor2:left sldDivisor2:left") << 5 << 5;
    QTest::newRow("to home") << words("sldDivisor2:home") << 5 << 5;
    QTest::newRow("to track click down") << words("sldDivisor2:track-") << 5 << 5;
    QTest::newRow("to wheel down") << words("sldDivisor2:wheel-") << 5 << 5;
    QTest::newRow("to wheel up") << words("sldDivisor2:wheel+") << 5 << 9;
    QTest::newRow("from end pushes to") << words("sldDivisor1:end") << 9 << 9;
    QTest::newRow("to dragged below from and back") << QStringList{"sldDivisor2:drag 3 6"} << 5 << 6;
    QTest::newRow("from down, then to") << QStringList{"sldDivisor1:drag 2", "sldDivisor2:drag 3"} << 2 << 3;
}

void TestSetupPanel::divisorPair()
{
    QFETCH(QStringList, moves);
    QFETCH(int, low);
    QFETCH(int, high);

    f->panel->applySettings(SettingsRecord{.useDivision = true, .divisorLow = 5, .divisorHigh = 7});
    run(moves);
    const QString lo = QString::number(low);
    const QString hi = QString::number(high);
    verify({"sldDivisor1.value=" + lo, "lblDivisor1.text=" + lo, "settings.divisorLow=" + lo,
            "sldDivisor2.value=" + hi, "lblDivisor2.text=" + hi, "settings.divisorHigh=" + hi});
}

void TestSetupPanel::dragShowsValueWhileMoving()
{
    f->panel->applySettings(SettingsRecord{.useDivision = true, .divisorLow = 5, .divisorHigh = 7});
    auto *slider = control<QSlider>(QStringLiteral("sldDivisor2"));
    showPageOf(slider);
    const QPoint start = sliderPart(slider, QStyle::SC_SliderHandle).center();
    const QPoint low = handleCentreFor(slider, 3);
    QTest::mousePress(slider, Qt::LeftButton, {}, start);
    sendMove(slider, (start + low) / 2);
    sendMove(slider, low);
    verify(words("sldDivisor2.value=3 lblDivisor2.text=3 lblDivisor1.text=5"));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, low);
    verify(words("sldDivisor2.value=5 lblDivisor2.text=5 settings.divisorHigh=5"));
}

void TestSetupPanel::applySettings_data()
{
    QTest::addColumn<SettingsRecord>("record");
    QTest::addColumn<QStringList>("probes");

    QTest::newRow("no file") << SettingsRecord{}
                             << words("sldCardAmt.value=10 lblCardAmt.text=10 chkAddition.checked=false "
                                      "chkDivision.checked=false FrameDivRange.enabled=false sldTop.value=1 "
                                      "sldBotMax.value=1 sldDivisor1.value=2 sldDivisor2.value=2 "
                                      "optAnsFormatSeparate.checked=true chkHigh.enabled=true chkCarry.enabled=true "
                                      "frmTopRange.hidden=false frmTopDigits.hidden=true mnuBasic.visible=false "
                                      "chk12.checked=true sldCardTime.value=2 lblCardTime.text=2 "
                                      "settings.cardTimeLimit=2");
    QTest::newRow("timer off") << SettingsRecord{.timerOn = false}
                               << words("chkTimer.checked=false sldCardTime.enabled=false sldCountDown.enabled=false "
                                        "chkCardTime.enabled=false chkCountDown.enabled=false "
                                        "lblMinutes.enabled=false");
    QTest::newRow("timer on") << SettingsRecord{.timerOn = true}
                              << words("chkTimer.checked=true sldCardTime.enabled=true sldCountDown.enabled=true "
                                       "lblSeconds.enabled=true");
    // The high divisor's thumb stands at the high divisor, like its label.
    QTest::newRow("division on") << SettingsRecord{.useDivision = true, .divisorLow = 3, .divisorHigh = 6}
                                 << words("chkDivision.checked=true FrameDivRange.enabled=true sldDivisor1.value=3 "
                                          "lblDivisor1.text=3 sldDivisor2.value=6 lblDivisor2.text=6 "
                                          "settings.divisorHigh=6");
    QTest::newRow("division off keeps values") << SettingsRecord{.divisorLow = 4, .divisorHigh = 9}
                                               << words("FrameDivRange.enabled=false sldDivisor1.value=4 "
                                                        "sldDivisor2.value=9 lblDivisor2.text=9 "
                                                        "settings.divisorLow=4");
    QTest::newRow("divisors reversed") << SettingsRecord{.useDivision = true, .divisorLow = 8, .divisorHigh = 3}
                                       << words("sldDivisor1.value=8 sldDivisor2.value=3 settings.divisorLow=8 "
                                                "settings.divisorHigh=3");
    QTest::newRow("single box") << SettingsRecord{.answerFormat = 2, .highlightEntry = true}
                                << words("optAnsFormatSingle.checked=true chkHigh.checked=true chkHigh.enabled=false "
                                         "chkCarry.enabled=false");
    QTest::newRow("separate boxes") << SettingsRecord{.answerFormat = 1, .showCarryBoxes = true}
                                    << words("optAnsFormatSeparate.checked=true chkCarry.checked=true "
                                             "chkHigh.enabled=true");
    QTest::newRow("answer format 3") << SettingsRecord{.answerFormat = 3}
                                     << words("optAnsFormatSeparate.checked=true optAnsFormatSingle.checked=false "
                                              "chkHigh.enabled=true");
    QTest::newRow("single box refuses carry") << SettingsRecord{.answerFormat = 2, .showCarryBoxes = true}
                                              << words("chkCarry.checked=false chkCarry.enabled=false");
    QTest::newRow("ticks") << SettingsRecord{.useAddition = true, .useMultiplication = true, .soundsOn = true,
                                             .verbalMode = true, .showSummary = true, .showCardCount = true,
                                             .showPreviousCard = true, .useKeypad = true}
                           << words("chkAddition.checked=true chkSubtraction.checked=false "
                                    "chkMultiplication.checked=true chkSounds.checked=true chkVerbal.checked=true "
                                    "chkSummary.checked=true chkCardCountDisp.checked=true chkPrevCard.checked=true "
                                    "chkKeypad.checked=true chkCarry.checked=false chkHigh.checked=false");
    QTest::newRow("ranges") << SettingsRecord{.cardCount = 45, .topMin = 12, .topMax = 87, .bottomMin = 3,
                                              .bottomMax = 9, .topLimit = 50, .bottomLimit = 6}
                            << words("sldCardAmt.value=45 lblCardAmt.text=45 settings.cardCount=45 "
                                     "sldTopMin.value=12 lblTopMin.text=12 sldTopMax.value=87 lblTopMax.text=87 "
                                     "sldBotMin.value=3 lblBotMin.text=3 sldBotMax.value=9 lblBotMax.text=9 "
                                     "sldTop.value=50 lblTop.text=50 settings.topLimit=50 sldBot.value=6 "
                                     "lblBot.text=6 settings.bottomLimit=6");
    QTest::newRow("out of range values agree") << SettingsRecord{.cardCount = 5, .topMax = 500, .divisorLow = 0}
                                               << words("sldCardAmt.value=10 lblCardAmt.text=10 "
                                                        "settings.cardCount=10 sldTopMax.value=99 "
                                                        "lblTopMax.text=99 settings.topMax=99 sldDivisor1.value=2 "
                                                        "settings.divisorLow=2");
    QTest::newRow("advanced") << SettingsRecord{.advancedRange = true}
                              << words("mnuAdvanced.visible=false mnuBasic.visible=true frmTopDigits.hidden=false "
                                       "frmBotDigits.hidden=false frmTopRange.hidden=true frmBotRange.hidden=true "
                                       "settings.advancedRange=1");
}

void TestSetupPanel::applySettings()
{
    QFETCH(SettingsRecord, record);
    QFETCH(QStringList, probes);
    // Choices the start-up resets whatever they were.
    control<QAbstractButton>(QStringLiteral("chk10"))->setChecked(true);
    run({"chkTimer", "sldCardTime:drag 40", "chkTimer"});
    f->panel->applySettings(record);
    verify(probes);
    // The end of a game puts the divisor sliders where start-up put them.
    f->panel->restoreDivisorSliders();
    verify(probes);
}

void TestSetupPanel::firstRunWritesDefaults()
{
    f->panel->applySettings(parseSettings({}));
    QCOMPARE(formatSettings(f->panel->collectSettings(false)),
             QByteArray("10\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n1\r\n1\r\n1\r\n2\r\n2\r\n1\r\n1\r\n1\r\n"
                        "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"));
    QVERIFY(f->panel->collectSettings(true).skipIntroHelp);
}

void TestSetupPanel::savedPanelReadsBack_data()
{
    QTest::addColumn<QStringList>("steps");

    QTest::newRow("ticks") << words("chkAddition chkDivision chkSounds chkSummary chkCardCountDisp chkPrevCard "
                                    "chkKeypad chkHigh chkCarry chkTimer chkVerbal chkMultiplication chkSubtraction");
    QTest::newRow("single box") << words("chkHigh chkCarry optAnsFormatSingle");
    QTest::newRow("ranges") << QStringList{"sldCardAmt:drag 70", "sldTop:drag 33", "sldBot:pageup", "chkDivision",
                                           "sldDivisor1:drag 4", "sldDivisor2:drag 8"};
    QTest::newRow("advanced ranges") << QStringList{"advanced", "sldTopMin:drag 20", "sldTopMax:drag 60",
                                                    "sldBotMax:drag 9", "sldBotMin:drag 3"};
    QTest::newRow("advanced, then basic") << QStringList{"advanced", "sldTopMax:drag 60", "basic"};
}

void TestSetupPanel::savedPanelReadsBack()
{
    QFETCH(QStringList, steps);
    const auto snapshot = [this] {
        QStringList states;
        for (QWidget *w : f->panel->findChildren<QWidget *>()) {
            if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
                continue;
            QString state = w->objectName() + (w->isEnabled() ? " enabled" : " disabled") +
                            (w->isHidden() ? " hidden" : " shown");
            if (auto *button = qobject_cast<QAbstractButton *>(w))
                state += button->isChecked() ? " checked" : " unchecked";
            if (auto *slider = qobject_cast<QSlider *>(w))
                state += ' ' + QString::number(slider->value());
            if (auto *label = qobject_cast<QLabel *>(w))
                state += ' ' + label->text();
            states << state;
        }
        states.sort(); // showing a tab reorders the children
        return states;
    };

    f->panel->applySettings(SettingsRecord{});
    run(steps);
    const SettingsRecord saved = f->panel->collectSettings(false);
    const QStringList before = snapshot();

    cleanup();
    init();
    f->panel->applySettings(parseSettings(formatSettings(saved)));
    QCOMPARE(f->panel->collectSettings(false), saved);
    QCOMPARE(snapshot(), before);
}

QTEST_MAIN(TestSetupPanel)
#include "tst_setuppanel.moc"
