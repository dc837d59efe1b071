// Draws every picture of the program and writes its two sounds:
//   artgen <picture folder> <sound folder>
// Pictures go to bitmap/<id>.bmp (24-bit), bitmap/<id>.png when they need
// transparency, and icon/<id>.png; each also at twice its size for
// high-density screens, as <kind>/<id>@2x.png.
#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextStream>

#include <algorithm>

#include "artgen.h"

namespace {

QFont boldFace(const QStringList &families)
{
    bool found = false;
    const QFont font = boldArtFace(families, &found);
    if (!found)
        QTextStream(stderr) << "artgen: none of " << families.join(", ") << " is installed; using the default face\n";
    return font;
}

bool write(const QString &path, const std::function<bool(QIODevice &)> &fill)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && fill(file) && file.commit())
        return true;
    QTextStream(stderr) << "artgen: cannot write " << path << "\n";
    return false;
}

bool seeThrough(const QImage &image)
{
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < pixels.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(pixels.constScanLine(y));
        if (std::any_of(line, line + pixels.width(), [](QRgb pixel) { return qAlpha(pixel) < 255; }))
            return true;
    }
    return false;
}

// Opaque pictures are stored as 24-bit bitmaps, the rest and every double
// size as PNG, which keeps the doubles a fraction of a bitmap's bytes.
bool writePicture(const QDir &folder, const Picture &picture, int factor)
{
    const QImage image = picture.drawing.render(factor);
    const bool png = factor > 1 || seeThrough(image);
    const QString kind = picture.kind == PictureKind::Icon ? QStringLiteral("icon") : QStringLiteral("bitmap");
    const QString suffix = factor > 1 ? QStringLiteral("@%1x").arg(factor) : QString();
    const QString name = QStringLiteral("%1/%2%3.%4").arg(kind).arg(picture.id).arg(suffix, png ? "png" : "bmp");
    return write(folder.filePath(name), [&](QIODevice &device) {
        if (png)
            return image.save(&device, "PNG");
        return image.convertToFormat(QImage::Format_RGB888).save(&device, "BMP");
    });
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 3) {
        QTextStream(stderr) << "usage: artgen <picture folder> <sound folder>\n";
        return 2;
    }
    const QDir pictures(arguments[1]);
    const QDir sounds(arguments[2]);
    if (!pictures.mkpath(QStringLiteral("bitmap")) || !pictures.mkpath(QStringLiteral("icon")) ||
        !sounds.mkpath(QStringLiteral("."))) {
        QTextStream(stderr) << "artgen: cannot create the output folders\n";
        return 1;
    }

    bool wordsFaceFound = false;
    const Faces faces{boldFace({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")}),
                      faceWordsFont(&wordsFaceFound)};
    if (!wordsFaceFound)
        QTextStream(stderr) << "artgen: the words' face is not installed; using the default face\n";
    bool ok = true;
    for (const Picture &picture : drawCardPictures(faces) + drawShellPictures(faces))
        for (const int factor : {1, 2})
            ok = writePicture(pictures, picture, factor) && ok;
    ok = write(sounds.filePath(QStringLiteral("cool.wav")),
               [](QIODevice &device) { return device.write(chimeWav()) > 0; }) && ok;
    ok = write(sounds.filePath(QStringLiteral("error.wav")),
               [](QIODevice &device) { return device.write(tryAgainWav()) > 0; }) && ok;
    return ok ? 0 : 1;
}
