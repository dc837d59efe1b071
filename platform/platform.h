#pragma once

#include <QDateTime>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>

#include "platform/randomsource.h"

class QPagedPaintDevice;

// Everything the program asks of the outside world. The Qt implementation is
// QtPlatform; tests use a scripted fake so that every flow runs headless.
class Platform
{
public:
    // OkByClick: an OK that only a click or Space presses, for a message that
    // comes up while a child may still be pressing Enter; YesNoByClick the
    // same for a question where either answer would be a wrong guess.
    enum class Buttons { Ok, OkCancel, YesNo, OkByClick, YesNoByClick };
    enum class Icon { None, Information, Question, Warning, Critical };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~Platform() = default;

    // A modal message box; returns the button pressed (closing the box counts
    // as Cancel or No).
    virtual Answer messageBox(const QString &title, const QString &text, Buttons buttons,
                              Icon icon = Icon::None) = 0;

    // File dialogs with one file type, such as "Text Files (*.txt)".
    // An empty result means Cancel.
    virtual QString openFileName(const QString &filter) = 0;
    virtual QString saveFileName(const QString &filter, const QString &initialName) = 0;

    // Shows the print dialog; on OK calls paint with the chosen printer and
    // finishes the job. Returns false on Cancel, when paint is never called.
    virtual bool print(const std::function<void(QPagedPaintDevice &)> &paint) = 0;
    // The same through a print preview, which calls paint for the pages it
    // shows and again for the printer; false unless it printed.
    virtual bool printPreview(const std::function<void(QPagedPaintDevice &)> &paint) = 0;

    // Plays a sound file without waiting for it to end.
    virtual void playSound(const QString &fileName) = 0;

    // Whether a speech engine can be had; why not, when it cannot.
    virtual bool speechAvailable(QString *why = nullptr) = 0;
    // Speaks the text in the program's language without waiting; a new text
    // cuts off the one still being spoken.
    virtual void say(const QString &text) = 0;

    // Opens the address in the user's browser without waiting; false on failure.
    virtual bool openUrl(const QUrl &url) = 0;

    // Long work the user can follow and cancel. It shows itself only once the
    // work takes more than a moment; advance() is told how much is done and
    // returns false once the user has cancelled.
    class Progress
    {
    public:
        virtual ~Progress() = default;
        virtual bool advance(qint64 done) = 0;
    };
    virtual std::unique_ptr<Progress> startProgress(const QString &title, const QString &text, qint64 total) = 0;

    // Asks for a whole number between low and high; none on Cancel.
    virtual std::optional<int> askNumber(const QString &title, const QString &label, int low, int high) = 0;
    // Asks for a short secret, its characters hidden as they are typed; none on Cancel.
    virtual std::optional<QString> askSecret(const QString &title, const QString &label) = 0;

    // Asks to choose one of the items, none chosen at first, so that Enter
    // alone chooses nothing. Returns the index, extraChoice for the button
    // named extraButton, and none on Cancel.
    static constexpr int extraChoice = -1;
    virtual std::optional<int> chooseItem(const QString &title, const QString &label, const QStringList &items,
                                          const QString &extraButton) = 0;

    // A question with a check box under it, ticked or not at first. None on
    // Cancel; otherwise whether the box was ticked at OK.
    virtual std::optional<bool> askWithCheckBox(const QString &title, const QString &text, const QString &checkBox,
                                                bool ticked) = 0;

    virtual QDateTime now() = 0;
    // Milliseconds on a clock that never jumps, for timing cards.
    virtual qint64 monotonicMs() = 0;
    // Today's date in the user's short date format.
    virtual QString shortDate() = 0;

    virtual RandomSource &random() = 0;

    // Size of the primary screen in pixels.
    virtual QSize screenSize() = 0;

    // Ends the program at once (Quit, or a display that is too small).
    virtual void exitProgram() = 0;

    // Options kept for the user beyond the settings file; an invalid value
    // when the option was never set.
    virtual QVariant userOption(const QString &key) = 0;
    virtual void setUserOption(const QString &key, const QVariant &value) = 0;
};
