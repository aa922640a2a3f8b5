// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The design's colours by name, each written once, and the palette a control takes from them.
#pragma once

#include <QColor>
#include <QPalette>

namespace orbis::colours {

inline constexpr QColor Black{0, 0, 0};
inline constexpr QColor White{255, 255, 255};
inline constexpr QColor Red{255, 0, 0};
inline constexpr QColor Green{0, 255, 0};
inline constexpr QColor Blue{0, 0, 255};
inline constexpr QColor Cyan{0, 255, 255};
inline constexpr QColor Magenta{255, 0, 255};
inline constexpr QColor Yellow{255, 255, 0};
inline constexpr QColor Navy{0, 0, 128};
inline constexpr QColor DarkRed{64, 0, 0};
inline constexpr QColor Brown{128, 64, 0};
inline constexpr QColor Wine{103, 10, 35};
inline constexpr QColor Peach{255, 224, 192};
inline constexpr QColor Silver{192, 192, 192};
inline constexpr QColor SeaBlue{66, 174, 193};
inline constexpr QColor Lavender{170, 185, 225};
inline constexpr QColor Mint{128, 232, 133};
inline constexpr QColor LightBlue{192, 192, 255};

// Banners and offers on a strip: navy on the light strips, white on the dark ones.
inline QColor TextOnStrip(const QColor& strip)
{
    return strip.lightness() > 128 ? Navy : White;
}

} // namespace orbis::colours

namespace orbis {

// `base` with the window, base and button roles set to `background` and every text role to
// `text`; an invalid colour leaves its roles as they are.
inline QPalette ColouredPalette(QPalette palette, const QColor& background, const QColor& text)
{
    if (background.isValid()) {
        for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            palette.setColor(role, background);
    }
    if (text.isValid()) {
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(role, text);
    }
    return palette;
}

} // namespace orbis
