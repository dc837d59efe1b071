#pragma once

#include "platform/printlayout.h"

class GameSummary;

// One printed line of 10 pt text. It is the natural line spacing of the
// default sans face at that size, and 50 rows from 1.85 in still end above
// 10 in, inside the printable area of both Letter and A4.
inline constexpr double summaryLineHeight = 0.16;

// The printed summary: a title line, the result line in blue (in up to two
// lines), and the shown rows under column headings; one column up to 48 rows,
// two beyond.
PrintPage summaryPrintLayout(const GameSummary &summary, const QString &versionLabel, const PrintMeasure &measure);
