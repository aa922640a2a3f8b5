// Pictures drawn from their vector originals, for screens that the ready-drawn PNGs do not suit.
#pragma once

#include <QPixmap>
#include <QString>

namespace orbis {

// The SVG at `svgPath` drawn at `size` logical pixels, sharp for `devicePixelRatio`; null when it
// cannot be drawn. The renderer is a module of the program's own, loaded at the first call, so
// start-up never loads it and no separately packaged Qt plugin is needed.
QPixmap VectorDrawnPixmap(const QString& svgPath, QSize size, qreal devicePixelRatio);

} // namespace orbis
