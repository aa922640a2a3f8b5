// The one conversion from the design's twips to logical pixels.
#pragma once

#include <QRect>
#include <QSize>
#include <cmath>

namespace orbis {

inline constexpr double kTwipsPerPixel = 15.0;

inline int Twips(double twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

inline double PixelsToTwips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

inline QSize TwipsSize(double width, double height)
{
    return {Twips(width), Twips(height)};
}

inline QRect TwipsRect(double left, double top, double width, double height)
{
    return {Twips(left), Twips(top), Twips(width), Twips(height)};
}

} // namespace orbis
