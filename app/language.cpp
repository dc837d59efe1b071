#include "app/language.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "version.h"

QStringList shippedLanguages()
{
    return {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es")};
}

QLocale languageFromCommandLine(const QStringList &arguments)
{
    QCoreApplication::setApplicationVersion(QString::fromLatin1(sumdropVersion));
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("Language", "Arithmetic flash cards for children."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption lang(QStringLiteral("lang"),
                                  QCoreApplication::translate("Language", "Use the language CODE, such as de, fr or es."),
                                  QStringLiteral("CODE"));
    parser.addOption(lang);
    parser.process(arguments);
    if (!parser.isSet(lang))
        return QLocale::system();
    const QString code = parser.value(lang);
    const QLocale chosen(code);
    const QString language = chosen.name().section(u'_', 0, 0);
    if (chosen.language() == QLocale::C || (language != QStringLiteral("en") && !shippedLanguages().contains(language))) {
        qWarning("Sumdrop has no language \"%s\"; it speaks English, %s.", qPrintable(code),
                 qPrintable(shippedLanguages().join(QStringLiteral(", "))));
        return QLocale(QLocale::English, QLocale::UnitedStates);
    }
    return chosen;
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
