#include "report/summaryprinting.h"

#include "platform/platform.h"
#include "platform/printrenderer.h"
#include "report/summaryprint.h"

void printSummary(Platform &platform, const GameSummary &summary, const QString &versionLabel)
{
    platform.print([&](QPagedPaintDevice &printer) {
        renderPrintPage(summaryPrintLayout(summary, versionLabel, printTextWidth(printer)), printer);
    });
}
