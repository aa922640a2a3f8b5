// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The one conversion from the design's twips to logical pixels.
#pragma once

#include <QRect>
#include <QSize>
#include <cmath>

namespace orbis {

inline constexpr double kTwipsPerPixel = 15.0;

// A control's place in its container, in twips, as the design gives it.
struct TwipsBox {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

inline int TwipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

inline double PixelsToTwips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

inline QSize TwipsSize(double width, double height)
{
    return {TwipsToPixels(width), TwipsToPixels(height)};
}

inline QRect TwipsRect(double left, double top, double width, double height)
{
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

inline QRect TwipsRect(const TwipsBox& box)
{
    return TwipsRect(box.left, box.top, box.width, box.height);
}

} // namespace orbis
