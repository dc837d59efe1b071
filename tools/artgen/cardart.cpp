#include "artgen.h"

#include <QPainterPath>

#include <optional>

namespace {

// Pieces are designed at the large set's sizes; the small set is the same
// drawing scaled, so both sets look alike.
constexpr QSizeF tileDesign{125, 175};
constexpr QSizeF divisionDesign{76, 106};
constexpr QSizeF signDesign{109, 167};
constexpr QSizeF cardDesign{390, 555};
constexpr QSizeF lineDesign{300, 30};
constexpr QSizeF bracketDesign{272, 155};

struct SetSizes
{
    QSize digit;
    QSize zero; // the zero and blank tiles are one row taller in the large set
    QSize sign;
    QSize card;
    QSize line;
    QSize bracket;
    QSize division;
    QSize divisionBlank;
};

constexpr SetSizes largeSizes{{125, 175}, {125, 176}, {109, 167}, {390, 555},
                              {300, 30},  {272, 155}, {76, 106},  {76, 107}};
constexpr SetSizes smallSizes{{97, 135}, {97, 135},  {93, 129}, {304, 433},
                              {234, 23}, {204, 116}, {57, 80},  {57, 80}};

QSizeF ratio(QSize actual, QSizeF design)
{
    return {actual.width() / design.width(), actual.height() / design.height()};
}

QRectF tileRect(QSizeF design)
{
    const qreal inset = design.width() * 0.04;
    const qreal shadow = design.width() * 0.02;
    return {inset, inset, design.width() - 2 * inset, design.height() - 2 * inset - shadow};
}

void paintTile(QPainter &painter, QSizeF design)
{
    const QRectF rect = tileRect(design);
    const qreal radius = design.width() * 0.13;
    const qreal shadow = design.width() * 0.02;

    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::tileShadow);
    painter.drawRoundedRect(rect.translated(shadow * 0.6, shadow), radius, radius);

    QLinearGradient face(rect.topLeft(), rect.bottomLeft());
    face.setColorAt(0, Palette::tileFace);
    face.setColorAt(0.55, Palette::tileFace);
    face.setColorAt(1, Palette::tileShade);
    painter.setBrush(face);
    const qreal border = design.width() * 0.02;
    painter.setPen(QPen(Palette::tileBorder, border));
    const qreal half = border / 2;
    painter.drawRoundedRect(rect.adjusted(half, half, -half, -half), radius, radius);
}

void paintDigit(QPainter &painter, const Faces &faces, QSizeF design, int digit)
{
    const QRectF rect = tileRect(design);
    fillCentredText(painter, faces.digits, QString::number(digit), rect.center(),
                    design.height() * 0.6, Palette::digit, QStringLiteral("8"));
}

// The borrow display crosses a digit out; the white edge keeps the red
// stroke clear of the blue digit underneath.
void paintStrike(QPainter &painter, QSizeF design)
{
    const QLineF slash(design.width() * 0.2, design.height() * 0.8, design.width() * 0.8,
                       design.height() * 0.16);
    painter.setPen(QPen(Palette::white, design.width() * 0.17, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(slash);
    painter.setPen(QPen(Palette::strike, design.width() * 0.1, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(slash);
}

Drawing tile(QSize size, QSizeF design, QSizeF scale, const Faces &faces, std::optional<int> digit,
             bool struck = false)
{
    return paintPicture(size, scale, Palette::cardFace, [=](QPainter &painter) {
        paintTile(painter, design);
        if (digit)
            paintDigit(painter, faces, design, *digit);
        if (struck)
            paintStrike(painter, design);
    });
}

enum class Sign { Plus, Minus, Times };

void paintSign(QPainter &painter, Sign sign)
{
    const QPointF centre(signDesign.width() / 2, signDesign.height() / 2);
    const qreal arm = 34;
    const qreal width = 22;
    auto stroke = [&](const QColor &colour, std::initializer_list<QLineF> lines) {
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        for (const QLineF &line : lines)
            painter.drawLine(line.translated(centre));
    };
    switch (sign) {
    case Sign::Plus:
        stroke(Palette::plus, {QLineF(-arm, 0, arm, 0), QLineF(0, -arm, 0, arm)});
        break;
    case Sign::Minus:
        stroke(Palette::minus, {QLineF(-arm, 0, arm, 0)});
        break;
    case Sign::Times: {
        const qreal d = arm * 0.78;
        stroke(Palette::times, {QLineF(-d, -d, d, d), QLineF(-d, d, d, -d)});
        break;
    }
    }
}

void paintCard(QPainter &painter)
{
    const QRectF outline(0.5, 0.5, cardDesign.width() - 1, cardDesign.height() - 1);
    painter.setPen(QPen(Palette::cardRim, 1.5));
    painter.setBrush(Palette::cardEdge);
    painter.drawRoundedRect(outline, 26, 26);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::cardFace);
    painter.drawRoundedRect(outline.adjusted(6.5, 6.5, -6.5, -6.5), 20, 20);
}

void paintAnswerLine(QPainter &painter)
{
    const qreal thickness = 12;
    const QRectF bar(4, (lineDesign.height() - thickness) / 2, lineDesign.width() - 8, thickness);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::line);
    painter.drawRoundedRect(bar, thickness / 2, thickness / 2);
}

// The bar runs over the three dividend places; the curve stands between the
// divisor on its left and the dividend.
void paintBracket(QPainter &painter)
{
    const qreal pen = 12;
    const qreal left = 18;
    const qreal top = 12;
    const qreal bottom = bracketDesign.height() - 8;
    QPainterPath path;
    path.moveTo(bracketDesign.width() - pen / 2, top);
    path.lineTo(left, top);
    path.cubicTo(left + 30, top + 35, left + 30, bottom - 35, left, bottom);
    painter.setPen(QPen(Palette::line, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

// A stacked card as the game lays it out, relative to the card's corner.
void paintStackedCard(QPainter &painter, const Faces &faces, int top, int bottom, Sign sign)
{
    paintCard(painter);
    auto place = [&](QPointF at, const std::function<void()> &draw) {
        painter.save();
        painter.translate(at);
        draw();
        painter.restore();
    };
    auto number = [&](qreal y, int value) {
        place({118, y}, [&] {
            paintTile(painter, tileDesign);
            if (value > 9)
                paintDigit(painter, faces, tileDesign, value / 10);
        });
        place({243, y}, [&] {
            paintTile(painter, tileDesign);
            paintDigit(painter, faces, tileDesign, value % 10);
        });
    };
    number(10, top);
    number(185, bottom);
    place({9, 193}, [&] { paintSign(painter, sign); });
    place({68, 368}, [&] { paintAnswerLine(painter); });
}

void addCardSet(QList<Picture> &pictures, const Faces &faces, bool small)
{
    const SetSizes &sizes = small ? smallSizes : largeSizes;
    const QSizeF tileScale = ratio(sizes.digit, tileDesign);
    const QSizeF divisionScale = ratio(sizes.division, divisionDesign);
    auto add = [&](int id, Drawing drawing) { pictures.append({id, PictureKind::Bitmap, std::move(drawing)}); };

    for (int digit = 0; digit < 10; ++digit) {
        const QSize size = digit == 0 ? sizes.zero : sizes.digit;
        add(CardPictureId::digits[digit].of(small), tile(size, tileDesign, tileScale, faces, digit));
        add(CardPictureId::struckDigit(digit, small), tile(size, tileDesign, tileScale, faces, digit, true));
        add(CardPictureId::divisionDigit(digit, small),
            tile(sizes.division, divisionDesign, divisionScale, faces, digit));
    }
    add(CardPictureId::blank.of(small), tile(sizes.zero, tileDesign, tileScale, faces, std::nullopt));
    add(CardPictureId::divisionBlank(small),
        tile(sizes.divisionBlank, divisionDesign, divisionScale, faces, std::nullopt));

    auto piece = [&](const CardPictureId::Pair &id, QSize size, QSizeF design, const QColor &background,
                     const std::function<void(QPainter &)> &draw) {
        add(id.of(small), paintPicture(size, ratio(size, design), background, draw));
    };
    piece(CardPictureId::plus, sizes.sign, signDesign, Palette::cardFace,
          [](QPainter &painter) { paintSign(painter, Sign::Plus); });
    piece(CardPictureId::minus, sizes.sign, signDesign, Palette::cardFace,
          [](QPainter &painter) { paintSign(painter, Sign::Minus); });
    piece(CardPictureId::times, sizes.sign, signDesign, Palette::cardFace,
          [](QPainter &painter) { paintSign(painter, Sign::Times); });
    piece(CardPictureId::card, sizes.card, cardDesign, Palette::window, paintCard);
    piece(CardPictureId::answerLine, sizes.line, lineDesign, Palette::cardFace, paintAnswerLine);
    piece(CardPictureId::bracket, sizes.bracket, bracketDesign, Palette::cardFace, paintBracket);
}

} // namespace

QList<Picture> drawCardPictures(const Faces &faces)
{
    QList<Picture> pictures;
    addCardSet(pictures, faces, false);
    addCardSet(pictures, faces, true);

    auto sampleCard = [faces](QPainter &painter) { paintStackedCard(painter, faces, 1, 1, Sign::Plus); };
    const QSize sampleSize(195, 278);
    pictures.append({PictureId::SampleCard, PictureKind::Bitmap,
                     paintPicture(sampleSize, ratio(sampleSize, cardDesign), Palette::window, sampleCard)});

    // The icon is the sample card standing in a transparent square.
    const qreal iconScale = 248 / cardDesign.height();
    pictures.append({PictureId::AppIcon, PictureKind::Bitmap,
                     paintPicture({256, 256}, {1, 1}, Qt::transparent, [=](QPainter &painter) {
                         painter.translate((256 - cardDesign.width() * iconScale) / 2, 4);
                         painter.scale(iconScale, iconScale);
                         sampleCard(painter);
                     })});
    return pictures;
}
