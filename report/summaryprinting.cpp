#include "report/summaryprinting.h"

#include "platform/platform.h"
#include "platform/printrenderer.h"
#include "report/summaryprint.h"

void printSummary(Platform &platform, const GameSummary &summary, const QString &versionLabel)
{
    printPages(platform, [&](const PrintMeasure &measure) {
        return QList<PrintPage>{summaryPrintLayout(summary, versionLabel, measure)};
    });
}
