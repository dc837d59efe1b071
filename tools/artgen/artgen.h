#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QSizeF>

#include <functional>

#include "resources/facewords.h"
#include "resources/pictures.h"

// The one palette of the card art, so that every piece laid on the card
// matches the card's face exactly.
namespace Palette {
inline constexpr QColor window{128, 0, 0};
inline constexpr QColor cardFace{198, 200, 204};
inline constexpr QColor cardEdge{96, 0, 0};
inline constexpr QColor cardRim{232, 226, 226};
inline constexpr QColor tileFace{248, 248, 250};
inline constexpr QColor tileShade{226, 228, 234};
inline constexpr QColor tileBorder{128, 132, 142};
inline constexpr QColor tileShadow{160, 162, 168};
inline constexpr QColor digit{16, 64, 210};
inline constexpr QColor plus{0, 150, 40};
inline constexpr QColor minus{215, 20, 20};
inline constexpr QColor times{64, 64, 68};
inline constexpr QColor line{16, 52, 180};
inline constexpr QColor strike{225, 0, 0};
inline constexpr QColor greenDark{0, 92, 20};
inline constexpr QColor redDark{130, 0, 0};
inline constexpr QColor white{255, 255, 255};
} // namespace Palette

// The two faces everything is lettered in.
struct Faces
{
    QFont digits; // chunky figures for the cards
    QFont words;  // narrower letters for buttons and captions
};

// A picture kept as its recipe, so that it can be drawn at its own size and
// at twice that size for high-density screens.
struct Drawing
{
    QSize size;
    QSizeF scale; // design units to pixels at the picture's own size
    QColor background;
    std::function<void(QPainter &)> draw;

    QImage render(int factor) const;
};

struct Picture
{
    int id;
    PictureKind kind;
    Drawing drawing;
};

// Paints in design units that the scale maps onto an image of the given size.
// The drawing runs later, so it must hold its own copies of what it uses.
Drawing paintPicture(QSize size, QSizeF scale, QColor background, std::function<void(QPainter &)> draw);

QList<Picture> drawCardPictures(const Faces &faces);
QList<Picture> drawShellPictures(const Faces &faces);

// 16-bit mono PCM files, ready to write.
QByteArray chimeWav();
QByteArray tryAgainWav();
