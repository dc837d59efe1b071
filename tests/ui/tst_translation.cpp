#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QRegularExpression>
#include <QTabBar>
#include <QTableWidget>
#include <QTreeWidget>
#include <QTranslator>
#include <QXmlStreamReader>

#include <optional>

#include "help/helpintro.h"
#include "help/helptopic.h"
#include "help/helptopics.h"
#include "app/language.h"
#include "gamedriver.h"
#include "history/progressprint.h"
#include "history/progresswindow.h"
#include "platform/datetext.h"
#include "report/gamesummary.h"
#include "report/reportfile.h"
#include "report/summarywindows.h"
#include "resources/facewords.h"

namespace {

void useLanguage(const QString &code)
{
    for (QTranslator *old : qApp->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    installLanguage(*qApp, QLocale(code));
}

// The width a label's one line of plain text has, as the label paints it:
// its contents less its margin and indent.
int labelRoom(const QLabel *label)
{
    int room = label->contentsRect().width() - 2 * label->margin();
    int indent = label->indent();
    if (indent < 0 && label->frameWidth() > 0)
        indent = label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - label->margin();
    if (indent > 0 && (label->alignment() & (Qt::AlignLeft | Qt::AlignRight)))
        room -= indent;
    return room;
}

// The width a push button's caption has as the style paints it: the
// contents rectangle (inside the frame, margins and any style sheet's
// padding), less the icon and the gap beside it and a menu's arrow.
int buttonRoom(const QPushButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    if (button->isFlat())
        option.features |= QStyleOptionButton::Flat;
    if (button->menu())
        option.features |= QStyleOptionButton::HasMenu;
    QStyle *style = button->style();
    int room = style->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
    if (!button->icon().isNull())
        room -= button->iconSize().width() + 4;
    if (button->menu())
        room -= style->pixelMetric(QStyle::PM_MenuButtonIndicator, &option, button);
    return room;
}

QString withoutMnemonic(QString text)
{
    return text.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
}

// Texts of the open windows that do not fit their control, measured in the
// control's own font against the room it paints them in: a label or a
// button narrower than its text (or, wrapping, shorter than its lines), a
// group box narrower than its title, a tab bar that has to scroll.
QStringList clippedTexts()
{
    QStringList clipped;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            if (!widget->isVisible())
                continue;
            const QString where = window->objectName() + QLatin1Char('/') + widget->objectName() + QStringLiteral(": ");
            if (auto *label = qobject_cast<QLabel *>(widget)) {
                if (label->text().isEmpty() || Qt::mightBeRichText(label->text()))
                    continue;
                const QRect room = label->contentsRect();
                const bool fits = label->wordWrap()
                                      ? label->heightForWidth(room.width()) <= room.height()
                                            || label->sizeHint().height() <= room.height()
                                      : label->fontMetrics().horizontalAdvance(label->text()) <= labelRoom(label);
                if (!fits)
                    clipped.append(where + label->text());
            } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
                const QString text = withoutMnemonic(button->text());
                if (!text.isEmpty() && button->fontMetrics().horizontalAdvance(text) > buttonRoom(button))
                    clipped.append(where + text);
            } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
                if (!button->text().isEmpty() && button->sizeHint().width() > button->width())
                    clipped.append(where + button->text());
            } else if (auto *box = qobject_cast<QGroupBox *>(widget)) {
                if (box->fontMetrics().horizontalAdvance(box->title()) + 16 > box->width())
                    clipped.append(where + box->title());
            } else if (auto *tabs = qobject_cast<QTabBar *>(widget)) {
                const int needed = tabs->count() > 0 ? tabs->tabRect(tabs->count() - 1).right() + 1 : 0;
                if (needed > tabs->width())
                    clipped.append(where + QStringLiteral("%1 wide for %2").arg(needed).arg(tabs->width()));
            }
        }
    }
    return clipped;
}

// Everything a help window says, on one line; no topic is the introduction.
QString helpText(GameDriver &driver, std::optional<HelpTopicId> id)
{
    if (!id) {
        QStringList texts;
        for (const QLabel *label : driver.program->frmHelpIntro()->findChildren<QLabel *>())
            texts << label->text();
        return texts.join(u' ').simplified();
    }
    const HelpPage page = helpPage(*id);
    QStringList texts{page.title, page.heading, page.link.caption, page.link.text};
    for (const QList<HelpParagraph> &part : {page.paragraphs, page.notes})
        for (const HelpParagraph &paragraph : part)
            texts << paragraph.caption << paragraph.text;
    return texts.join(u' ').simplified();
}

// The caption a person reads on a control of the main or the Progress
// window, without its mnemonic or trailing dots; tab(n) is the nth setup tab.
QString captionOf(GameDriver &driver, const QString &name)
{
    static const QRegularExpression tab(QStringLiteral("^tab\\((\\d)\\)$"));
    QString caption;
    if (const QRegularExpressionMatch match = tab.match(name); match.hasMatch()) {
        caption = driver.setup().tabText(match.captured(1).toInt());
    } else {
        QObject *const windows[] = {driver.window(), &driver.program->frmProgress()};
        for (QObject *window : windows) {
            QObject *control = window->findChild<QObject *>(name);
            if (auto *action = qobject_cast<QAction *>(control))
                caption = action->text();
            else if (auto *menu = qobject_cast<QMenu *>(control))
                caption = menu->title();
            else if (auto *button = qobject_cast<QAbstractButton *>(control))
                caption = button->text();
            else if (auto *box = qobject_cast<QGroupBox *>(control))
                caption = box->title();
            else if (auto *label = qobject_cast<QLabel *>(control))
                caption = label->text();
            if (control)
                break;
        }
    }
    caption.remove(u'&');
    static const QRegularExpression dots(QStringLiteral("(\\.\\.\\.|…|:)$"));
    return caption.remove(dots).simplified();
}

// The source texts that a language's file turns into other words.
QSet<QString> translatedSources(const QString &language)
{
    QFile file(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../translations/sumdrop_%1.ts").arg(language));
    QSet<QString> sources;
    if (!file.open(QIODevice::ReadOnly))
        return sources;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.name() == QLatin1String("translation")
                   && xml.attributes().value(QLatin1String("type")).isEmpty()) { // finished
            const QString translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (!translation.isEmpty() && translation != source)
                sources.insert(source);
        }
    }
    return sources;
}

// The words an object shows a person: its text or title, tool tip, tabs and items.
QStringList shownTexts(const QObject *object)
{
    QStringList texts;
    if (const auto *widget = qobject_cast<const QWidget *>(object)) {
        texts << widget->windowTitle() << widget->toolTip();
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            texts << label->text();
        else if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            texts << button->text();
        else if (const auto *box = qobject_cast<const QGroupBox *>(widget))
            texts << box->title();
        else if (const auto *menu = qobject_cast<const QMenu *>(widget))
            texts << menu->title();
        else if (const auto *edit = qobject_cast<const QLineEdit *>(widget))
            texts << edit->placeholderText();
        else if (const auto *tabs = qobject_cast<const QTabBar *>(widget))
            for (int tab = 0; tab < tabs->count(); ++tab)
                texts << tabs->tabText(tab) << tabs->tabToolTip(tab);
        else if (const auto *list = qobject_cast<const QComboBox *>(widget))
            for (int item = 0; item < list->count(); ++item)
                texts << list->itemText(item);
        else if (const auto *tree = qobject_cast<const QTreeWidget *>(widget))
            for (int column = 0; column < tree->columnCount(); ++column)
                texts << tree->headerItem()->text(column);
        else if (const auto *table = qobject_cast<const QTableWidget *>(widget))
            for (int column = 0; column < table->columnCount(); ++column)
                if (const QTableWidgetItem *header = table->horizontalHeaderItem(column))
                    texts << header->text();
    } else if (const auto *action = qobject_cast<const QAction *>(object)) {
        texts << action->text() << action->toolTip();
    }
    return texts;
}

// The box around the pixels that differ between two pictures of one size.
QRect changedPixels(const QImage &before, const QImage &after)
{
    const QImage a = before.convertToFormat(QImage::Format_ARGB32);
    const QImage b = after.convertToFormat(QImage::Format_ARGB32);
    QRect box;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

constexpr char userLocale[] = "nl_NL.UTF-8";

class TranslationTest : public QObject
{
    Q_OBJECT

public:
    // The user's own language is one the program does not speak, so that
    // following it cannot be mistaken for falling back to English.
    static void initMain() { qputenv("LC_ALL", userLocale); }

private slots:
    void cleanup() { useLanguage(QStringLiteral("en")); }

    void languageChoice_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("language");
        QTest::newRow("the user's own") << QStringList{} << QString::fromLatin1(userLocale).section(u'.', 0, 0);
        QTest::newRow("German") << QStringList{"--lang", "de"} << "de_DE";
        QTest::newRow("French of Canada") << QStringList{"--lang=fr_CA"} << "fr_CA";
        QTest::newRow("English") << QStringList{"--lang", "en"} << "en_US";
        QTest::newRow("unknown code") << QStringList{"--lang", "xx"} << "en_US";
        QTest::newRow("a language not shipped") << QStringList{"--lang", "ja"} << "en_US";
    }
    void languageChoice()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, language);
        if (language == QStringLiteral("en_US") && arguments.size() == 2 && arguments[1] != QStringLiteral("en"))
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("has no language")));
        QCOMPARE(languageFromCommandLine(QStringList{QStringLiteral("sumdrop")} + arguments).name(), language);
    }

    void everyTextFits_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QSize>("screen");
        for (const QString &language : QStringList{QStringLiteral("en")} + shippedLanguages())
            for (const QSize screen : {QSize(800, 600), QSize(1280, 1024)})
                QTest::addRow("%s %dx%d", qPrintable(language), screen.width(), screen.height())
                    << language << screen;
    }
    void everyTextFits()
    {
        QFETCH(QString, language);
        QFETCH(QSize, screen);
        useLanguage(language);
        if (language != QStringLiteral("en"))
            QVERIFY2(QCoreApplication::translate("SetupPanel", "Sounds") != QStringLiteral("Sounds"),
                     "the translation is embedded");
        SettingsRecord withKeypad = GameDriver::defaultSetup();
        withKeypad.useKeypad = true;
        GameDriver driver(withKeypad, screen);
        QVERIFY(driver.started());
        SetupPanel &setup = driver.setup();
        QStringList clipped;
        for (const bool advanced : {false, true}) {
            (advanced ? driver.window()->mnuAdvanced : driver.window()->mnuBasic)->trigger();
            for (int tab = 0; tab < setup.count(); ++tab) {
                setup.setCurrentIndex(tab);
                clipped += clippedTexts();
            }
        }
        // The game's own screen, the keypad's keys with it.
        driver.clickStart();
        QVERIFY(driver.keypad().keyErase->isVisible());
        clipped += clippedTexts();
        driver.clickStart();
        driver.program->frmHelpIntro()->showIntroduction();
        clipped += clippedTexts();
        for (int topic = 0; topic < helpTopicCount; ++topic) {
            driver.program->frmHelpIntro()->openTopic(HelpTopicId(topic));
            clipped += clippedTexts();
            // A help window is read whole, never beyond the screen's edge.
            const QWidget *window = driver.program->frmHelpIntro()->topic(HelpTopicId(topic));
            if (!QRect(QPoint(0, 0), screen).contains(window->frameGeometry()))
                clipped.append(QStringLiteral("%1: %2x%3 on the screen").arg(window->objectName())
                                   .arg(window->frameGeometry().width()).arg(window->frameGeometry().height()));
        }
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window != driver.window())
                window->hide();
        driver.window()->mnuAbout->trigger();
        ProgressWindow &progress = driver.program->frmProgress();
        progress.showProgress();
        clipped += clippedTexts();
        if (progress.frameGeometry().width() > screen.width() || progress.frameGeometry().height() > screen.height())
            clipped.append(QStringLiteral("frmProgress: %1x%2 on the screen")
                               .arg(progress.frameGeometry().width()).arg(progress.frameGeometry().height()));
        // The longest name the name box takes shows whole in the child list.
        progress.cboChild->addItem(QStringLiteral("Maximiliana Wolkenstein-M"));
        progress.cboChild->setCurrentIndex(progress.cboChild->count() - 1);
        QStyleOptionComboBox box;
        box.initFrom(progress.cboChild);
        box.rect = progress.cboChild->rect();
        const QRect field = progress.cboChild->style()->subControlRect(QStyle::CC_ComboBox, &box,
                                                                       QStyle::SC_ComboBoxEditField, progress.cboChild);
        if (progress.cboChild->fontMetrics().horizontalAdvance(progress.cboChild->currentText()) > field.width())
            clipped.append(QStringLiteral("cboChild: a name of 25 letters in %1 pixels").arg(field.width()));
        for (int page = 1; page <= GameSummary::pageCount; ++page) {
            driver.program->summaryWindows().showPage(page);
            clipped += clippedTexts();
        }
        clipped.removeDuplicates();
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("\n"))));
    }

    // Nothing a person reads stays English where the language has its words.
    void everyTextTranslated_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : shippedLanguages())
            QTest::newRow(qPrintable(language)) << language;
    }
    void everyTextTranslated()
    {
        QFETCH(QString, language);
        const QSet<QString> translated = translatedSources(language);
        QVERIFY2(translated.size() > 300, qPrintable(QString::number(translated.size())));
        useLanguage(language);
        GameDriver driver;
        QVERIFY(driver.started());
        driver.window()->mnuAdvanced->trigger();
        driver.window()->mnuAbout->trigger();
        // The class page too, as a teacher's login shows it.
        driver.program->frmProgress().setClassRole(ProgressWindow::ClassRole::Teacher, QStringLiteral("4B"));
        driver.program->frmProgress().showProgress();
        for (int page = 1; page <= GameSummary::pageCount; ++page)
            driver.program->summaryWindows().showPage(page);
        driver.program->frmHelpIntro()->showIntroduction();
        QStringList english;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (!window->isVisible())
                continue;
            const QList<QObject *> objects = window->findChildren<QObject *>() << window;
            for (const QObject *object : objects)
                for (const QString &text : shownTexts(object))
                    if (translated.contains(text))
                        english << window->objectName() + QLatin1Char('/') + object->objectName() + QStringLiteral(": ")
                                       + text;
        }
        english.removeDuplicates();
        QVERIFY2(english.isEmpty(), qPrintable(english.join(u'\n')));
    }

    // Dates a person reads are written the language's way; English keeps
    // the user's own short date.
    void datesInTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("shortDate");
        QTest::addColumn<QString>("monthDay");
        const QDate day(2026, 12, 9);
        QTest::newRow("en") << "en" << QLocale::system().toString(day, QLocale::ShortFormat) << "Dec 9";
        QTest::newRow("de") << "de" << "09.12.26" << "9. Dez.";
        QTest::newRow("fr") << "fr" << "09/12/2026" << "9 déc.";
        QTest::newRow("es") << "es" << "9/12/26" << "9 dic";
    }
    void datesInTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, shortDate);
        QFETCH(QString, monthDay);
        if (language != QStringLiteral("en") && QLocale::system().language() == QLocale(language).language())
            QSKIP("the user's own locale speaks this language and keeps its own format");
        useLanguage(language);
        const QDate day(2026, 12, 9);
        QCOMPARE(shortDateText(day), shortDate);
        QCOMPARE(monthDayText(day), monthDay);
        GameTrend game;
        game.started = QDateTime(day, QTime(12, 0));
        game.judged = 10;
        game.right = 7;
        QStringList labels;
        for (const PrintItem &item : trendChartItems({game}, QRectF(0, 0, 6, 2), 8))
            if (const auto *text = std::get_if<PrintText>(&item))
                labels << text->text;
        QVERIFY2(labels.contains(monthDay), qPrintable(labels.join(u',')));
    }

    // Where a help text names a control, it uses the control's own caption,
    // in every language.
    void helpNamesTheControls_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : QStringList{QStringLiteral("en")} + shippedLanguages())
            QTest::newRow(qPrintable(language)) << language;
    }
    void helpNamesTheControls()
    {
        QFETCH(QString, language);
        useLanguage(language);
        GameDriver driver;
        QVERIFY(driver.started());
        using enum HelpTopicId;
        const struct
        {
            std::optional<HelpTopicId> topic; // none: the introduction
            const char *control;
        } mentions[] = {
            {{}, "mnuZoom"}, {{}, "mnuOptions"}, {Setup, "frmCardAmt"}, {Setup, "chkSounds"},
            {Setup, "chkCardCountDisp"}, {Setup, "chkVerbal"}, {Setup, "chkSummary"}, {Setup, "frmName"},
            {Setup, "chkSpeak"}, {Level, "mnuOptions"}, {Functions, "FrameDivRange"}, {Functions, "chkDivision"},
            {Functions, "chkPractise"}, {Functions, "tab(0)"}, {Answer, "optAnsFormatSingle"}, {Answer, "chkCarry"},
            {Answer, "chkKeypad"}, {Answer, "chkHigh"}, {Timer, "chkTimer"}, {Timer, "chkCountDown"},
            {Timer, "chkCardTime"}, {Worksheets, "mnuWorksheet"}, {Worksheets, "mnuOptions"}, {Worksheets, "tab(0)"},
            {Worksheets, "tab(2)"}, {Worksheets, "mnuWeakWorksheet"}, {Worksheets, "mnuAnswerKey"},
            {Worksheets, "mnuPreview"}, {Worksheets, "mnuReprint"}, {Save, "mnuSavedGame"}, {Save, "mnuFile"},
            {Save, "mnuProgress"}, {Keypad, "keyErase(10)"}, {Keypad, "keyCarryKey(0)"}, {Progress, "tab(0)"},
            {Progress, "cmdExport"}, {Progress, "cmdPrintProgress"}, {Progress, "cmdForget"}, {Progress, "mnuLock"},
        };
        QStringList wrong;
        for (const auto &[topic, control] : mentions) {
            const QString caption = captionOf(driver, QString::fromLatin1(control));
            if (caption.isEmpty())
                wrong << QStringLiteral("%1 has no caption").arg(QLatin1String(control));
            else if (!helpText(driver, topic).contains(caption, Qt::CaseInsensitive))
                wrong << QStringLiteral("\"%1\" (%2) is not named so in \"%3\"")
                             .arg(caption, QLatin1String(control),
                                  topic ? helpPage(*topic).title : driver.program->frmHelpIntro()->windowTitle());
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
    }

    // The Start and Stop faces and the supervisor's marks carry their words in
    // the language in use, on the same art and inside the face at both
    // densities; in English they are the stored pictures.
    void facesSpeakTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : QStringList{QStringLiteral("en")} + shippedLanguages())
            QTest::newRow(qPrintable(language)) << language;
    }
    void facesSpeakTheLanguage()
    {
        QFETCH(QString, language);
        useLanguage(language);
        GameDriver driver;
        QVERIFY(driver.started());
        MainWindow &window = *driver.window();
        window.board->showStartFace(true);
        const AnswerArea &marks = driver.boxes();
        const struct
        {
            const QLabel *shown;
            QString word;
            int id;
        } faces[] = {
            {window.board->imgStart, MainWindow::tr("Start"), PictureId::StartFace},
            {window.board->imgStop, window.board->cmdStart->accessibleName(), PictureId::StopFace},
            {marks.imgRight, marks.imgRight->accessibleName(), PictureId::RightButton},
            {marks.imgWrongEnter, marks.imgWrongEnter->accessibleName(), PictureId::WrongButton},
        };
        for (const auto &face : faces) {
            const WordFace &art = *findWordFace(face.id);
            const QString english = QString::fromLatin1(art.word);
            QCOMPARE(face.shown->pixmap().toImage(), loadFace(face.id, face.word).toImage());
            if (language == QStringLiteral("en"))
                QCOMPARE(face.word, english);
            for (const qreal ratio : {1.0, 2.0}) {
                const QImage stored = loadPicture(face.id, PictureKind::Bitmap, ratio).toImage();
                const QImage blank = loadPicture(art.blankId, PictureKind::Bitmap, ratio).toImage();
                const QImage lettered = loadFace(face.id, face.word, ratio).toImage();
                if (face.word == english) {
                    QCOMPARE(lettered, stored);
                    continue;
                }
                QVERIFY2(lettered != stored, qPrintable(face.word));
                const QRect ink = changedPixels(blank, lettered);
                const QSizeF size = QSizeF(stored.size()) / ratio;
                const QRectF room = faceWordRoom(size, art.radius);
                const QRect inside((room.topLeft() * ratio).toPoint() - QPoint(1, 1),
                                   (room.bottomRight() * ratio).toPoint() + QPoint(1, 1));
                QVERIFY2(inside.contains(ink), qPrintable(QStringLiteral("%1 at %2x").arg(face.word).arg(ratio)));
                // Shrunk to fit, a long word still reads.
                QVERIFY2(ink.height() * 2 >= changedPixels(blank, stored).height(), qPrintable(face.word));
            }
        }
    }

    // A report saved in one language opens in another: the file's format
    // words never change.
    void reportsDoNotDependOnTheLanguage()
    {
        GameSummary summary;
        summary.setResultLine(QStringLiteral("Results for: Ann"));
        CardRecord card;
        card.cardNumber = 1;
        card.problem = QStringLiteral("3 + 4 = 7");
        card.given = 7;
        card.right = true;
        summary.addCardRow(card);
        const QByteArray english = formatReport(summary);
        for (const QString &language : shippedLanguages()) {
            useLanguage(language);
            QCOMPARE(formatReport(summary), english);
        }
    }
};

QTEST_MAIN(TranslationTest)
#include "tst_translation.moc"
