#include "app/language.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTextStream>
#include <QTranslator>

#include <cstdlib>

#include "classroom/classdatabase.h"
#include "version.h"

namespace {

// The options, described in the language installed when this is called.
QCommandLineOption describeOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QCoreApplication::translate("Language", "Arithmetic flash cards for children."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption lang(QStringLiteral("lang"),
                                  QCoreApplication::translate("Language", "Use the language CODE, such as de, fr or es."),
                                  QStringLiteral("CODE"));
    parser.addOption(lang);
    parser.addOption({QStringLiteral("init-class"),
                      QCoreApplication::translate("Language",
                                                  "Set up a class on the PostgreSQL server CONNINFO, then end."),
                      QStringLiteral("CONNINFO")});
    parser.addOption(QCommandLineOption(
        classServerSwitch(),
        QCoreApplication::translate("Language", "Share the practice with the class server CONNINFO, a PostgreSQL "
                                                "connection string, for this run."),
        QStringLiteral("CONNINFO")));
    return lang;
}

// True when the command line asks for something printed instead of a game.
bool asksForAnswer(const QCommandLineParser &parser)
{
    const QStringList answered{QStringLiteral("h"), QStringLiteral("?"), QStringLiteral("help"),
                               QStringLiteral("help-all"), QStringLiteral("v"), QStringLiteral("version")};
    for (const QString &name : parser.optionNames())
        if (answered.contains(name))
            return true;
    return false;
}

QStringList allLanguageCodes()
{
    return QStringList{QStringLiteral("en")} + shippedLanguages();
}

} // namespace

QString classServerSwitch()
{
    return QStringLiteral("class-server");
}

QString classServerFromCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    describeOptions(parser);
    parser.parse(arguments);
    return parser.value(classServerSwitch()).trimmed();
}

QStringList shippedLanguages()
{
    return {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es")};
}

void answerCommandLine(int &argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QCommandLineParser parser;
    describeOptions(parser);
    // What this cannot read may be the window system's own options: it is
    // read again once the application has taken those out.
    if (!parser.parse(arguments))
        return;
    if (parser.isSet(QStringLiteral("init-class")) && !asksForAnswer(parser)) {
        // For a school's IT person, where there may be no display.
        bool done = false;
        {
            QCoreApplication answering(argc, argv);
            installLanguage(answering, languageFromCommandLine(QCoreApplication::arguments()));
            QTextStream out(stdout);
            done = ClassDatabase::initClassAt(parser.value(QStringLiteral("init-class")), out);
        }
        std::exit(done ? 0 : 1);
    }
    if (!asksForAnswer(parser))
        return;
    QCoreApplication answering(argc, argv);
    languageFromCommandLine(QCoreApplication::arguments());
}

QLocale languageFromCommandLine(const QStringList &arguments)
{
    QCoreApplication::setApplicationVersion(QString::fromLatin1(sumdropVersion));
    QCommandLineParser parser;
    const QCommandLineOption lang = describeOptions(parser);
    const bool understood = parser.parse(arguments);
    QLocale language = QLocale::system();
    if (parser.isSet(lang)) {
        const QString code = parser.value(lang);
        const QLocale chosen(code);
        const QString name = chosen.name().section(u'_', 0, 0);
        if (chosen.language() != QLocale::C && allLanguageCodes().contains(name)) {
            language = chosen;
        } else {
            qWarning("Sumdrop has no language \"%s\"; it speaks %s. It goes on in English.", qPrintable(code),
                     qPrintable(allLanguageCodes().join(QStringLiteral(", "))));
            language = QLocale(QLocale::English, QLocale::UnitedStates);
        }
    }
    if (understood && !asksForAnswer(parser))
        return language;
    // Help, the version or a mistake is printed in the chosen language, then
    // the program ends.
    if (QCoreApplication *application = QCoreApplication::instance())
        installLanguage(*application, language);
    QCommandLineParser answer;
    describeOptions(answer);
    answer.process(arguments);
    return language;
}

void installLanguage(QCoreApplication &application, const QLocale &locale)
{
    // Only the language follows the choice: numbers are always written with
    // the digits 0-9, which QString::number gives whatever the locale.
    QLocale::setDefault(locale);
    auto *ours = new QTranslator(&application);
    if (ours->load(locale, QStringLiteral("sumdrop"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(ours);
    auto *qts = new QTranslator(&application);
    if (qts->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qts);
}
