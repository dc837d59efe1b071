#pragma once

#include <QString>
#include <QStringList>
#include <QtPlugin>

// The sound player lives in a plugin of its own so that the multimedia
// libraries are loaded with the first sound, not at start-up.
class SoundBackend
{
public:
    virtual ~SoundBackend() = default;
    // Starts the sound file without waiting for it, cutting off one still playing.
    virtual void play(const QString &path) = 0;
};

#define SoundBackend_iid "example.sumdrop.SoundBackend/1"
Q_DECLARE_INTERFACE(SoundBackend, SoundBackend_iid)

// The folders searched for the plugin: beside the program (the build tree),
// then the installed plugin folder.
QStringList soundPluginFolders();

// The player from the first folder that holds a working plugin; null when
// there is none, and the program stays silent.
SoundBackend *loadSoundBackend(const QStringList &folders);
