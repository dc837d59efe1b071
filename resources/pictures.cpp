#include "resources/pictures.h"

#include <QGuiApplication>
#include <QPixmapCache>
#include <QResource>
#include <QtEndian>

#include "resources/facewords.h"

namespace {

// Every stored bitmap is plain 24-bit: read here, it takes a fraction of the
// time the general reader needs, which was a good part of the start-up.
// Anything else gets a null image.
QImage decodePlainBitmap(const QByteArray &bytes)
{
    constexpr qsizetype headerSize = 54;
    constexpr qint32 largest = 8192;
    if (bytes.size() < headerSize || !bytes.startsWith("BM"))
        return {};
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    const quint32 pixelsAt = qFromLittleEndian<quint32>(data + 10);
    const qint32 width = qFromLittleEndian<qint32>(data + 18);
    const qint32 height = qFromLittleEndian<qint32>(data + 22);
    if (qFromLittleEndian<quint32>(data + 14) < 40 || qFromLittleEndian<quint16>(data + 28) != 24
        || qFromLittleEndian<quint32>(data + 30) != 0 || width <= 0 || width > largest || height == 0
        || height < -largest || height > largest || pixelsAt < headerSize || pixelsAt > quint32(bytes.size()))
        return {};
    const qsizetype stride = (qsizetype(width) * 3 + 3) & ~qsizetype(3);
    const int rows = qAbs(height);
    if ((bytes.size() - pixelsAt) / stride < rows)
        return {};
    QImage image(width, rows, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    uchar *const pixels = image.bits();
    for (int y = 0; y < rows; ++y) {
        // Rows are stored from the bottom up unless the height is negative.
        const uchar *from = data + pixelsAt + stride * (height > 0 ? rows - 1 - y : y);
        auto *to = reinterpret_cast<QRgb *>(pixels + y * image.bytesPerLine());
        // Blue, green and red read as one little-endian word are the pixel's
        // value; the last pixel may end the data, so it is read byte by byte.
        int x = 0;
        for (; x < width - 1; ++x, from += 3)
            to[x] = 0xff000000u | (qFromLittleEndian<quint32>(from) & 0xffffffu);
        to[x] = qRgb(from[2], from[1], from[0]);
    }
    return image;
}

// The stored names carry no extension, and a reader left to guess the format
// loads every image plugin to ask it; the first bytes tell BMP from PNG.
// Kept in the pixmap cache, as a picture loaded from its file would be.
QPixmap readPicture(const QString &path)
{
    QPixmap picture;
    if (QPixmapCache::find(path, &picture))
        return picture;
    const QResource stored(path);
    if (!stored.isValid())
        return {};
    const QByteArray bytes = stored.uncompressedData();
    const bool bitmap = bytes.startsWith("BM");
    QImage plain = bitmap ? decodePlainBitmap(bytes) : QImage();
    if (!plain.isNull())
        picture = QPixmap::fromImage(std::move(plain));
    else
        picture.loadFromData(bytes, bitmap ? "BMP" : "PNG");
    if (!picture.isNull())
        QPixmapCache::insert(path, picture);
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
