#pragma once

#include <QRect>
#include <cmath>

// A design number of the wide layout times screenScale, rounded to whole pixels.
inline int scaled(double design, double screenScale)
{
    return static_cast<int>(std::lround(design * screenScale));
}

inline QRect scaledRect(double left, double top, double width, double height, double screenScale)
{
    return QRect(scaled(left, screenScale), scaled(top, screenScale), scaled(width, screenScale),
                 scaled(height, screenScale));
}
