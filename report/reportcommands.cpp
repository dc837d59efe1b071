#include "report/reportcommands.h"

#include "app/program.h"
#include "report/reportfile.h"

void saveReport(Program &program, const GameSummary &summary, QString &fileName)
{
    const QString chosen = program.platform.saveFileName(reportFileFilter, QStringLiteral("*.txt"));
    if (chosen.isEmpty())
        return;
    fileName = reportFileName(chosen);
    writeReportFile(summary, fileName); // a failed save is not reported
}

bool openReport(Program &program, GameSummary &summary, QString &fileName)
{
    const QString chosen = program.platform.openFileName(reportFileFilter);
    if (chosen.isEmpty())
        return false;
    fileName = chosen;
    const ReportContents contents = readReportFile(fileName);
    if (contents.kind == ReportContents::Kind::NotAReport) {
        program.ask(Program::programTitle(), notAReportMessage(fileName), Platform::Buttons::Ok);
        return false;
    }
    return applyReport(contents, summary);
}
