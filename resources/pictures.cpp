#include "resources/pictures.h"

QPixmap loadPicture(int id, PictureKind kind)
{
    const QString folder = kind == PictureKind::Icon ? QStringLiteral(":/icon/") : QStringLiteral(":/bitmap/");
    return QPixmap(folder + QString::number(id));
}

PictureSet PictureSet::load(bool small)
{
    PictureSet set;
    set.small = small;
    return set;
}

const QPixmap &PictureSet::picture(int slot, CardPictureId::Pair ids) const
{
    if (loaded[slot].isNull())
        loaded[slot] = loadPicture(ids.of(small));
    return loaded[slot];
}
