#pragma once

#include <QString>

class GameSummary;
class Dialogs;
class Platform;

// "Text Files (*.txt)" in the program's language.
QString reportFileFilter();

// "Save" on summary page 1. fileName is the name slot Save and Open share.
void saveReport(Platform &platform, Dialogs &dialogs, const GameSummary &summary, QString &fileName);

// "Open Saved Game Report". True when the report was read whole and page 1 is
// to be shown; a file without the mark gets a message and changes nothing.
bool openReport(Platform &platform, Dialogs &dialogs, GameSummary &summary, QString &fileName);
