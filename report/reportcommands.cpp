#include "report/reportcommands.h"

#include <QCoreApplication>

#include "app/program.h"
#include "report/reportfile.h"

QString reportFileFilter()
{
    return QCoreApplication::translate("ReportCommands", "Text Files (*.txt)");
}

void saveReport(Program &program, const GameSummary &summary, QString &fileName)
{
    const QString chosen = program.platform.saveFileName(reportFileFilter(), QStringLiteral("*.txt"));
    if (chosen.isEmpty())
        return;
    fileName = reportFileName(chosen);
    QString reason;
    if (!writeReportFile(summary, fileName, &reason))
        program.tellSaveFailed(QCoreApplication::translate("ReportCommands", "The report could not be saved as %1."),
                               fileName, reason);
}

bool openReport(Program &program, GameSummary &summary, QString &fileName)
{
    const QString chosen = program.platform.openFileName(reportFileFilter());
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
