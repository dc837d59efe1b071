#pragma once

#include <QString>

class GameSummary;
class Platform;

// "Print" on summary page 1: the print dialog, then the whole summary on one
// sheet. Cancel and printer failures end it silently.
void printSummary(Platform &platform, const GameSummary &summary, const QString &versionLabel);
