// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures drawn from their vector originals, for screens that the ready-drawn PNGs do not suit.
#pragma once

#include <QPixmap>
#include <QString>

namespace orbis {

// The SVG at `svgPath` drawn at `size` logical pixels, sharp for `devicePixelRatio`; null when it
// cannot be drawn (missing, damaged, no SVG), so that the caller can show its ready-drawn PNG.
QPixmap VectorDrawnPixmap(const QString& svgPath, QSize size, qreal devicePixelRatio);

} // namespace orbis
