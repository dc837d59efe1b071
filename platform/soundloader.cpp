#include "platform/soundbackend.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

QStringList soundPluginFolders()
{
    const QString here = QCoreApplication::applicationDirPath();
    return {here, QDir::cleanPath(here + QStringLiteral("/" SUMDROP_PLUGIN_DIR_FROM_PROGRAM))};
}

SoundBackend *loadSoundBackend(const QStringList &folders)
{
    for (const QString &folder : folders) {
        const QString path = QDir(folder).filePath(QStringLiteral("libsumdrop_sound.so"));
        if (!QFileInfo::exists(path))
            continue;
        // The loader may go: the plugin stays loaded, and its one instance with it.
        QPluginLoader loader(path);
        if (auto *backend = qobject_cast<SoundBackend *>(loader.instance()))
            return backend;
        qWarning("Sumdrop: no sound, the sound plugin did not load: %s", qPrintable(loader.errorString()));
    }
    return nullptr;
}
