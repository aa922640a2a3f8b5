// The SVG renderer module: draws a vector picture into an image, on request of vector_drawn.cpp.
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

// Fills the whole of `target` with the picture; false when the file is not a drawable SVG.
extern "C" Q_DECL_EXPORT bool OrbisRenderSvg(const QString& path, QImage* target)
{
    QSvgRenderer renderer(path);
    if (!renderer.isValid() || !target || target->isNull())
        return false;
    target->fill(Qt::transparent);
    QPainter painter(target);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(target->size())));
    return true;
}
