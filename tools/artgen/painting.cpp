#include "artgen.h"

#include <QPainterPath>

Drawing paintPicture(QSize size, QSizeF scale, QColor background, std::function<void(QPainter &)> draw)
{
    return {size, scale, background, std::move(draw)};
}

QImage Drawing::render(int factor) const
{
    QImage image(size * factor, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale.width() * factor, scale.height() * factor);
    draw(painter);
    return image;
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
