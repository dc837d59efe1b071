#pragma once

#include <QRect>

#include <algorithm>
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

// The zoomed window's one factor: the largest that fits the design into the
// available area, never below the design's own scale.
inline double zoomFactor(QSize available, QSize design)
{
    if (design.isEmpty())
        return 1.0;
    return std::max(1.0, std::min(double(available.width()) / design.width(),
                                  double(available.height()) / design.height()));
}
