#pragma once

#include <functional>

#include "platform/platform.h"

// Every message box of the program goes through one Dialogs, so that the game
// clock can tell a question is open and hold still behind it.
class Dialogs
{
public:
    explicit Dialogs(Platform &platform)
        : platform(platform)
    {
    }
    Dialogs(const Dialogs &) = delete;
    Dialogs &operator=(const Dialogs &) = delete;

    Platform::Answer ask(const QString &title, const QString &text, Platform::Buttons buttons,
                         Platform::Icon icon = Platform::Icon::None);
    bool questionOpen() const { return openQuestions > 0; }
    // An OK message naming the file that could not be written and why;
    // sentence holds %1 for the file's full path.
    void tellSaveFailed(const QString &sentence, const QString &path, const QString &reason);

    // Run after every answer, so that the keyboard goes back where the game wants it.
    std::function<void()> afterAnswer;

private:
    Platform &platform;
    int openQuestions = 0;
};
