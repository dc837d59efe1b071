#include "report/reportcommands.h"

#include "platform/platform.h"
#include "report/reportfile.h"

void saveReport(Platform &platform, const GameSummary &summary, QString &fileName)
{
    const QString chosen = platform.saveFileName(reportFileFilter, QStringLiteral("*.txt"));
    if (chosen.isEmpty())
        return;
    fileName = reportFileName(chosen);
    writeReportFile(summary, fileName); // a failed save is not reported
}

bool openReport(Platform &platform, GameSummary &summary, QString &fileName)
{
    const QString chosen = platform.openFileName(reportFileFilter);
    if (chosen.isEmpty())
        return false;
    fileName = chosen;
    const ReportContents contents = readReportFile(fileName);
    if (contents.kind == ReportContents::Kind::NotAReport) {
        platform.messageBox(QStringLiteral("Sumdrop"), notAReportMessage(fileName), Platform::Buttons::Ok);
        return false;
    }
    return applyReport(contents, summary);
}
