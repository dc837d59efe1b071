#pragma once

#include <QString>
#include <QStringList>
#include <QtPlugin>

#include <memory>

class QPluginLoader;

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

// The player from the first folder that holds a working plugin, owned until
// this object goes. It must go while the application still exists: left to
// the plugin loader's clean-up at exit, the multimedia objects die after the
// application and can crash or hang the program's end.
class SoundPlugin
{
public:
    explicit SoundPlugin(const QStringList &folders);
    ~SoundPlugin();
    SoundPlugin(const SoundPlugin &) = delete;
    SoundPlugin &operator=(const SoundPlugin &) = delete;

    // Null when no plugin works, and the program stays silent.
    SoundBackend *player() const { return backend; }

private:
    std::unique_ptr<QPluginLoader> loader;
    SoundBackend *backend = nullptr;
};
