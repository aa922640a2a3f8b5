// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own PNG pictures: window icon, option icons, menu overflow arrow, link pointer.
#pragma once

#include <QIcon>
#include <QPixmap>

#include <initializer_list>

namespace orbis {

// One icon from ready-drawn sizes of the same picture; a pixmap is taken from the nearest size.
// A picture that cannot be read is left out.
QIcon ReadyDrawnIcon(std::initializer_list<const char*> pngPaths);

// The picture at `size` on a screen of the given pixel ratio: the single-size drawing at ratio 1,
// the double-size one above it, scaled when the ratio is neither. Only that one file is decoded.
QPixmap ReadyDrawnPixmap(const QString& pngPath, const QString& pngPath2x, QSize size,
                         qreal devicePixelRatio);

// One picture as drawn, for screens of pixel ratio 1; null when it cannot be read.
QPixmap ReadyDrawnPixmap(const QString& pngPath);

} // namespace orbis
