#include "resources/pictures.h"

QPixmap loadPicture(int id, PictureKind kind)
{
    const QString folder = kind == PictureKind::Icon ? QStringLiteral(":/icon/") : QStringLiteral(":/bitmap/");
    return QPixmap(folder + QString::number(id));
}

PictureSet PictureSet::load(bool small)
{
    namespace Id = CardPictureId;
    PictureSet set;
    set.small = small;
    for (int d = 0; d < 10; ++d)
        set.digit[d] = loadPicture(Id::digits[d].of(small));
    set.blank = loadPicture(Id::blank.of(small));
    set.plus = loadPicture(Id::plus.of(small));
    set.minus = loadPicture(Id::minus.of(small));
    set.times = loadPicture(Id::times.of(small));
    set.card = loadPicture(Id::card.of(small));
    set.answerLine = loadPicture(Id::answerLine.of(small));
    set.bracket = loadPicture(Id::bracket.of(small));
    return set;
}
