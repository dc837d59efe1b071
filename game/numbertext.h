#pragma once

#include <QString>

// A number as the program writes it in texts: plain decimal, no padding, up
// to 15 significant digits (70 for 70.00000000000001, 66.6666666666667 for
// two thirds of 100).
QString numberText(double value);
