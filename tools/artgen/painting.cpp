#include "artgen.h"

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
