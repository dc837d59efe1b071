#include "resources/facewords.h"

#include <QFontDatabase>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

const WordFace *findWordFace(int id)
{
    for (const WordFace &face : wordFaces)
        if (face.id == id)
            return &face;
    return nullptr;
}

QFont boldArtFace(const QStringList &families, bool *found)
{
    const QStringList installed = QFontDatabase::families();
    QFont font;
    const auto family = std::find_if(families.begin(), families.end(),
                                     [&](const QString &name) { return installed.contains(name); });
    if (family != families.end())
        font = QFont(*family);
    if (found)
        *found = family != families.end();
    font.setBold(true);
    font.setPixelSize(100);
    return font;
}

QFont faceWordsFont(bool *found)
{
    return boldArtFace({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}, found);
}

void fillCentredText(QPainter &painter, const QFont &font, const QString &text, QPointF centre,
                     qreal inkHeight, const QColor &colour, const QString &reference)
{
    QPainterPath referencePath;
    referencePath.addText(0, 0, font, reference.isEmpty() ? text : reference);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const qreal factor = inkHeight / referencePath.boundingRect().height();
    const QRectF ink = path.boundingRect();

    painter.save();
    painter.translate(centre);
    painter.scale(factor, factor);
    // Centre vertically on the reference so that every digit sits on one baseline.
    const QRectF referenceInk = referencePath.boundingRect();
    painter.translate(-ink.center().x(), -referenceInk.center().y());
    painter.fillPath(path, colour);
    painter.restore();
}

namespace {

constexpr qreal rim = 1.5;
constexpr QPointF shadowOffset{1, 1.5};

} // namespace

QRectF faceWordRoom(QSizeF size, qreal radius)
{
    return QRectF(QPointF(0, 0), size).adjusted(rim + radius / 2, rim + 2.5, -rim - radius / 2, -rim - 2.5);
}

void paintFaceWord(QPainter &painter, const QFont &font, const QString &word, QSizeF size, qreal radius)
{
    if (word.isEmpty())
        return;
    const QString reference = QStringLiteral("H");
    const QPointF centre = QRectF(QPointF(0, 0), size).adjusted(rim, rim, -rim, -rim).center();
    // Capitals as tall as the face allows; a long word keeps its letters'
    // shapes and shrinks until its ink and shadow lie inside the room.
    qreal inkHeight = size.height() * 0.4;
    QPainterPath path;
    path.addText(0, 0, font, word);
    QPainterPath referencePath;
    referencePath.addText(0, 0, font, reference);
    const qreal width = path.boundingRect().width() * inkHeight / referencePath.boundingRect().height();
    const qreal room = faceWordRoom(size, radius).width() - shadowOffset.x();
    if (width > room)
        inkHeight *= room / width;
    fillCentredText(painter, font, word, centre + shadowOffset, inkHeight, QColor(0, 0, 0, 110), reference);
    fillCentredText(painter, font, word, centre, inkHeight, Qt::white, reference);
}

QImage letterFace(const WordFace &face, const QImage &blank, const QString &word)
{
    const qreal factor = blank.devicePixelRatio();
    QImage image = blank.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(1);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(factor, factor);
        paintFaceWord(painter, faceWordsFont(), word, QSizeF(image.size()) / factor, face.radius);
    }
    image.setDevicePixelRatio(factor);
    return image;
}
