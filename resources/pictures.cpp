#include "resources/pictures.h"

#include <QFile>
#include <QGuiApplication>

#include "resources/facewords.h"

namespace {

// The stored names carry no extension, and a reader left to guess the format
// loads every image plugin to ask it; the first bytes tell BMP from PNG.
QPixmap readPicture(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QPixmap picture;
    picture.load(path, file.peek(2) == "BM" ? "BMP" : "PNG");
    return picture;
}

} // namespace

QPixmap loadPicture(int id, PictureKind kind, qreal ratio)
{
    const QString path = (kind == PictureKind::Icon ? QStringLiteral(":/icon/") : QStringLiteral(":/bitmap/")) +
                         QString::number(id);
    if (ratio > 1) {
        QPixmap sharp = readPicture(path + QStringLiteral("@2x"));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2);
            return sharp;
        }
    }
    return readPicture(path);
}

QPixmap loadFace(int id, const QString &word, qreal ratio)
{
    const WordFace *face = findWordFace(id);
    if (!face || word == QLatin1String(face->word))
        return loadPicture(id, PictureKind::Bitmap, ratio);
    const QPixmap blank = loadPicture(face->blankId, PictureKind::Bitmap, ratio);
    if (blank.isNull())
        return loadPicture(id, PictureKind::Bitmap, ratio);
    return QPixmap::fromImage(letterFace(*face, blank.toImage(), word));
}

PictureSet PictureSet::load(bool small, bool zoomed)
{
    PictureSet set;
    set.small = small;
    set.sharp = zoomed || qGuiApp->devicePixelRatio() > 1;
    return set;
}

QPixmap PictureSet::byId(int id, PictureKind kind) const
{
    return loadPicture(id, kind, sharp ? 2 : 1);
}

QPixmap PictureSet::face(int id, const QString &word) const
{
    return loadFace(id, word, sharp ? 2 : 1);
}

const QPixmap &PictureSet::picture(int slot, CardPictureId::Pair ids) const
{
    if (loaded[slot].isNull())
        loaded[slot] = byId(ids.of(small));
    return loaded[slot];
}
