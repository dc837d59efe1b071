// The multimedia side of the sound seam, built as a plugin (see soundbackend.h).
#include <QObject>
#include <QSoundEffect>
#include <QUrl>

#include "platform/soundbackend.h"

class QtSoundBackend final : public QObject, public SoundBackend
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID SoundBackend_iid)
    Q_INTERFACES(SoundBackend)

public:
    void play(const QString &path) override
    {
        effect.stop();
        effect.setSource(QUrl::fromLocalFile(path));
        effect.play();
    }

private:
    QSoundEffect effect{this}; // a child, so that a test can see what it was given
};

#include "soundplugin.moc"
