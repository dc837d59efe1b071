#include "game/numbertext.h"

QString numberText(double value)
{
    return QString::number(value + 0.0, 'g', 15); // + 0.0 turns -0 into 0
}
