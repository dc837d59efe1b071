#pragma once

#include <QDir>
#include <QTemporaryDir>

#include <memory>

#include "setup/settings.h"

// A fresh folder made the working directory, where the program finds and
// keeps its settings file; entering again leaves the last one for a new one.
class TestFolder
{
public:
    // False when the folder cannot be made or entered, or the setup given
    // cannot be written into it.
    bool enter(const SettingsRecord *setup = nullptr)
    {
        dir = std::make_unique<QTemporaryDir>();
        return dir->isValid() && QDir::setCurrent(dir->path())
               && (!setup || saveSettingsFile(*setup, filePath(settingsFileName)));
    }
    QString path() const { return dir->path(); }
    QString filePath(const QString &name) const { return dir->filePath(name); }

private:
    std::unique_ptr<QTemporaryDir> dir;
};
