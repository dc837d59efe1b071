#pragma once

#include <QString>

class GameSummary;
class Program;

// "Text Files (*.txt)" in the program's language.
QString reportFileFilter();

// "Save" on summary page 1. fileName is the name slot Save and Open share.
void saveReport(Program &program, const GameSummary &summary, QString &fileName);

// "Open Saved Game Report". True when the report was read whole and page 1 is
// to be shown; a file without the mark gets a message and changes nothing.
bool openReport(Program &program, GameSummary &summary, QString &fileName);
