#pragma once

#include <QLocale>
#include <QStringList>

class QCoreApplication;

// The languages the program speaks besides English.
QStringList shippedLanguages();

// Reads the command line: --help and --version answer and end the program;
// --lang CODE chooses the language, otherwise the system's is used. Returns
// the language chosen; one the program does not speak falls back to English
// with a warning.
QLocale languageFromCommandLine(const QStringList &arguments);

// Makes locale the program's language: its texts, Qt's own buttons and
// dialogs, and the voice that reads the cards. English needs no translation.
void installLanguage(QCoreApplication &application, const QLocale &locale);
