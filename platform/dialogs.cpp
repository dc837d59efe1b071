#include "platform/dialogs.h"

#include <QDir>
#include <QFileInfo>

#include "platform/product.h"

Platform::Answer Dialogs::ask(const QString &title, const QString &text, Platform::Buttons buttons,
                              Platform::Icon icon)
{
    ++openQuestions;
    const Platform::Answer answer = platform.messageBox(title, text, buttons, icon);
    --openQuestions;
    if (afterAnswer)
        afterAnswer();
    return answer;
}

void Dialogs::tellSaveFailed(const QString &sentence, const QString &path, const QString &reason)
{
    const QString fullPath = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    ask(programTitle(), sentence.arg(fullPath) + QStringLiteral("\n") + reason, Platform::Buttons::Ok,
        Platform::Icon::Warning);
}
