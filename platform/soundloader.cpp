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

SoundPlugin::SoundPlugin(const QStringList &folders)
{
    for (const QString &folder : folders) {
        const QString path = QDir(folder).filePath(QStringLiteral("libsumdrop_sound.so"));
        if (!QFileInfo::exists(path))
            continue;
        auto candidate = std::make_unique<QPluginLoader>(path);
        if (auto *found = qobject_cast<SoundBackend *>(candidate->instance())) {
            loader = std::move(candidate);
            backend = found;
            return;
        }
        qWarning("Sumdrop: no sound, the sound plugin did not load: %s", qPrintable(candidate->errorString()));
    }
}

SoundPlugin::~SoundPlugin()
{
    // The library itself stays mapped: unloading it would take the multimedia
    // libraries, and their threads, out from under the running application.
    if (loader)
        delete loader->instance();
}
