#pragma once

#include <memory>

#include "app/settings.h"
#include "game/gamesession.h"
#include "platform/platform.h"
#include "resources/pictures.h"

class MainWindow;

// Owns the program-wide records and the windows for the whole run; a test
// makes a fresh one.
class Program
{
public:
    explicit Program(Platform &platform);
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    Platform &platform;
    GameSettings settings;
    GameSession session;
    double screenScale = 0;
    double fontScale = 0;
    PictureSet pictures;

    MainWindow *frmProgram() const { return mainWindow.get(); }

private:
    friend std::unique_ptr<Program> startProgram(Platform &platform);
    std::unique_ptr<MainWindow> mainWindow;
};

// The entry routine: checks the display, lays out and shows the main window,
// restores the setup and returns once the program waits for events. Returns
// null when the display is too small and the program has been told to end.
std::unique_ptr<Program> startProgram(Platform &platform);
