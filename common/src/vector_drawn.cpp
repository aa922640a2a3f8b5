// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures drawn from their vector originals with Qt Svg.
#include "common/vector_drawn.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace orbis {

QPixmap VectorDrawnPixmap(const QString& svgPath, QSize size, qreal devicePixelRatio)
{
    if (size.isEmpty() || devicePixelRatio <= 0)
        return {};
    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid())
        return {};
    QImage image((QSizeF(size) * devicePixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
    }
    image.setDevicePixelRatio(devicePixelRatio);
    return QPixmap::fromImage(std::move(image));
}

} // namespace orbis
