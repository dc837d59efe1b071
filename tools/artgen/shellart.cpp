#include "artgen.h"

#include <QPainterPath>

namespace {

Drawing onWindow(QSize size, std::function<void(QPainter &)> draw)
{
    return paintPicture(size, {1, 1}, Palette::window, std::move(draw));
}

// A rounded, glossy button face with a light rim so that it stands out on the
// dark red window; the program letters the wordless one in other languages.
Drawing buttonFace(const WordFace &face, QSize size, const Faces &faces, bool lettered, const QColor &light,
                   const QColor &dark)
{
    const QString caption = lettered ? QString::fromLatin1(face.word) : QString();
    const qreal radius = face.radius;
    return onWindow(size, [=](QPainter &painter) {
        const QRectF body = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(1.5, 1.5, -1.5, -1.5);
        QLinearGradient fill(body.topLeft(), body.bottomLeft());
        fill.setColorAt(0, light);
        fill.setColorAt(1, dark);
        painter.setPen(QPen(Palette::white, 2.5));
        painter.setBrush(fill);
        painter.drawRoundedRect(body, radius, radius);

        const QRectF gloss = body.adjusted(5, 3.5, -5, -body.height() / 2);
        QLinearGradient shine(gloss.topLeft(), gloss.bottomLeft());
        shine.setColorAt(0, QColor(255, 255, 255, 120));
        shine.setColorAt(1, QColor(255, 255, 255, 10));
        painter.setPen(Qt::NoPen);
        painter.setBrush(shine);
        painter.drawRoundedRect(gloss, radius - 4, radius - 4);

        paintFaceWord(painter, faces.words, caption, size, radius);
    });
}

void paintClockGlyph(QPainter &painter, QPointF centre, qreal radius)
{
    painter.setPen(QPen(QColor(250, 200, 40), radius * 0.22));
    painter.setBrush(Palette::white);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(QColor(40, 40, 40), radius * 0.1, Qt::SolidLine, Qt::RoundCap));
    for (int hour = 0; hour < 12; hour += 3) {
        const QLineF tick = QLineF::fromPolar(radius * 0.78, hour * 30).translated(centre);
        painter.drawLine(QLineF(tick.p2(), tick.pointAt(0.85)));
    }
    painter.setPen(QPen(QColor(30, 30, 30), radius * 0.16, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QLineF::fromPolar(radius * 0.45, 90 - 10 * 30).translated(centre));
    painter.setPen(QPen(Palette::redDark, radius * 0.12, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QLineF::fromPolar(radius * 0.68, 90).translated(centre));
}

Drawing clockCaption(const Faces &faces, const QString &caption)
{
    return onWindow({120, 40}, [=](QPainter &painter) {
        paintClockGlyph(painter, {19, 20}, 15);
        QFont font = faces.words;
        font.setPixelSize(14);
        painter.setFont(font);
        painter.setPen(Palette::white);
        painter.drawText(QRectF(38, 0, 82, 40), Qt::AlignLeft | Qt::AlignVCenter, caption);
    });
}

// The name on tiles like the card's, dropping in at slight angles.
Drawing logo(const Faces &faces)
{
    return onWindow({315, 121}, [=](QPainter &painter) {
        const QString name = QStringLiteral("Sumdrop");
        const QSizeF tile(38, 52);
        const qreal step = 42;
        const qreal left = (315 - step * qreal(name.size() - 1) - tile.width()) / 2;
        const qreal tilts[] = {-5, 4, -3, 5, -4, 3, -5};
        const qreal drops[] = {3, 8, 1, 9, 4, 8, 2};
        for (int i = 0; i < name.size(); ++i) {
            painter.save();
            painter.translate(left + i * step + tile.width() / 2, drops[i] + 8 + tile.height() / 2);
            painter.rotate(tilts[i]);
            const QRectF rect(-tile.width() / 2, -tile.height() / 2, tile.width(), tile.height());
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(0, 0, 0, 90));
            painter.drawRoundedRect(rect.translated(2, 3), 7, 7);
            painter.setPen(QPen(Palette::tileBorder, 1.5));
            painter.setBrush(Palette::tileFace);
            painter.drawRoundedRect(rect, 7, 7);
            fillCentredText(painter, faces.digits, name.mid(i, 1), {0, 0}, 30, Palette::digit,
                            QStringLiteral("d"));
            painter.restore();
        }

        // The four operations beneath, each on a small light disc, clear of
        // the bottom rows that the setup tabs may cover.
        const QColor colours[] = {Palette::plus, Palette::minus, Palette::times, Palette::digit};
        const QString signs[] = {QStringLiteral("+"), QStringLiteral("\u2212"), QStringLiteral("\u00d7"),
                                 QStringLiteral("\u00f7")};
        for (int i = 0; i < 4; ++i) {
            const QPointF centre(315 / 2.0 + (i - 1.5) * 40, 90);
            painter.setPen(QPen(Palette::tileBorder, 1.2));
            painter.setBrush(Palette::tileFace);
            painter.drawEllipse(centre, 13, 13);
            fillCentredText(painter, faces.digits, signs[i], centre, 13, colours[i], QStringLiteral("+"));
        }
    });
}

Drawing previousCardPanel()
{
    return onWindow({330, 110}, [](QPainter &painter) {
        const QRectF outline(1.5, 1.5, 327, 107);
        painter.setPen(QPen(Palette::cardRim, 1.5));
        painter.setBrush(Palette::cardEdge);
        painter.drawRoundedRect(outline, 16, 16);
        QLinearGradient face(outline.topLeft(), outline.bottomLeft());
        face.setColorAt(0, Palette::tileFace);
        face.setColorAt(1, Palette::tileShade);
        painter.setPen(Qt::NoPen);
        painter.setBrush(face);
        painter.drawRoundedRect(outline.adjusted(5, 5, -5, -5), 12, 12);
    });
}

// Marks are stroked three times: a white halo, a dark edge and the bright
// colour, so that they read on any background.
Drawing mark(const QPainterPath &shape, const QColor &bright, const QColor &dark)
{
    return paintPicture({72, 72}, {1, 1}, Qt::transparent, [=](QPainter &painter) {
        painter.setBrush(Qt::NoBrush);
        const std::pair<QColor, qreal> strokes[] = {{Palette::white, 19}, {dark, 15}, {bright, 9}};
        for (const auto &[colour, width] : strokes) {
            painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.drawPath(shape);
        }
    });
}

Drawing tick()
{
    QPainterPath path;
    path.moveTo(14, 38);
    path.lineTo(29, 54);
    path.lineTo(58, 16);
    return mark(path, QColor(40, 190, 40), Palette::greenDark);
}

Drawing cross()
{
    QPainterPath path;
    path.moveTo(17, 17);
    path.lineTo(55, 55);
    path.moveTo(55, 17);
    path.lineTo(17, 55);
    return mark(path, QColor(235, 30, 30), Palette::redDark);
}

} // namespace

QList<Picture> drawShellPictures(const Faces &faces)
{
    using PictureKind::Bitmap;
    struct Look
    {
        QSize size;
        QColor light;
        QColor dark;
    };
    const Look looks[] = {
        {{160, 44}, QColor(70, 190, 70), Palette::greenDark},  // RIGHT
        {{160, 44}, QColor(235, 70, 70), QColor(150, 0, 0)},   // WRONG
        {{150, 56}, QColor(80, 200, 80), Palette::greenDark},  // Start
        {{150, 56}, QColor(240, 80, 80), QColor(150, 0, 0)},   // Stop
    };
    static_assert(std::size(looks) == std::size(wordFaces));
    QList<Picture> faced;
    for (size_t i = 0; i < std::size(wordFaces); ++i) {
        const WordFace &face = wordFaces[i];
        const Look &look = looks[i];
        faced.append({face.id, Bitmap, buttonFace(face, look.size, faces, true, look.light, look.dark)});
        faced.append({face.blankId, Bitmap, buttonFace(face, look.size, faces, false, look.light, look.dark)});
    }
    return faced + QList<Picture>{
        {PictureId::Logo, Bitmap, logo(faces)},
        {PictureId::GameClock, Bitmap, clockCaption(faces, QStringLiteral("Game Time"))},
        {PictureId::CardClock, Bitmap, clockCaption(faces, QStringLiteral("Card Time"))},
        {PictureId::PreviousCard, Bitmap, previousCardPanel()},
        {PictureId::GreenTickIcon, PictureKind::Icon, tick()},
        {PictureId::RedCrossIcon, PictureKind::Icon, cross()},
    };
}
