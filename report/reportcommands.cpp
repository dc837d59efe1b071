#include "report/reportcommands.h"

#include <QCoreApplication>

#include "platform/dialogs.h"
#include "platform/product.h"
#include "report/reportfile.h"

QString reportFileFilter()
{
    return QCoreApplication::translate("ReportCommands", "Text Files (*.txt)");
}

void saveReport(Platform &platform, Dialogs &dialogs, const GameSummary &summary, QString &fileName)
{
    const QString chosen = platform.saveFileName(reportFileFilter(), QStringLiteral("*.txt"));
    if (chosen.isEmpty())
        return;
    fileName = reportFileName(chosen);
    QString reason;
    if (!writeReportFile(summary, fileName, &reason))
        dialogs.tellSaveFailed(QCoreApplication::translate("ReportCommands", "The report could not be saved as %1."),
                                fileName, reason);
}

bool openReport(Platform &platform, Dialogs &dialogs, GameSummary &summary, QString &fileName)
{
    const QString chosen = platform.openFileName(reportFileFilter());
    if (chosen.isEmpty())
        return false;
    fileName = chosen;
    const ReportContents contents = readReportFile(fileName);
    if (contents.kind == ReportContents::Kind::NotAReport) {
        dialogs.ask(programTitle(), notAReportMessage(fileName), Platform::Buttons::Ok);
        return false;
    }
    return applyReport(contents, summary);
}
