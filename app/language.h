#pragma once

#include <QLocale>
#include <QStringList>

class QCoreApplication;

// The languages the program speaks besides English.
QStringList shippedLanguages();

// Before any application object exists: --help and --version are answered
// (in the language --lang chooses), and --init-class CONNINFO sets up a
// class server, and end the program, so that they work where there is no
// display. Anything else returns at once.
void answerCommandLine(int &argc, char **argv);

// Reads the command line: --help and --version answer in the chosen language
// and end the program; --lang CODE chooses the language, otherwise the
// system's is used. Returns the language chosen; one the program does not
// speak falls back to English with a warning.
QLocale languageFromCommandLine(const QStringList &arguments);

// --class-server CONNINFO: the class server for this run, before the one the
// settings name; empty when not given.
QString classServerSwitch();
QString classServerFromCommandLine(const QStringList &arguments);

// Makes locale the program's language: its texts, Qt's own buttons and
// dialogs, and the voice that reads the cards. English needs no translation.
void installLanguage(QCoreApplication &application, const QLocale &locale);
