#include "resources/pictures.h"

QPixmap loadPicture(int, PictureKind)
{
    return {};
}

PictureSet PictureSet::load(bool small)
{
    PictureSet set;
    set.small = small;
    return set;
}

int PictureSet::divisionDigitId(int digit) const
{
    return 150 + (digit == 0 ? 10 : digit) + (small ? 10 : 0);
}

int PictureSet::divisionBlankId() const
{
    return small ? 190 : 180;
}

int PictureSet::struckDigitId(int digit) const
{
    return (small ? 210 : 200) + digit;
}
