// Finds and calls the SVG renderer module.
#include "common/vector_drawn.h"

#include <QCoreApplication>
#include <QImage>
#include <QLibrary>
#include <QStringList>

namespace orbis {

namespace {

using RenderSvg = bool (*)(const QString& path, QImage* target);

QStringList ModuleCandidates()
{
    // Installed: beside the other private files of the package, found from the executable.
    QStringList candidates{QCoreApplication::applicationDirPath() +
                           QStringLiteral("/" ORBIS_SVG_MODULE_FROM_BINDIR "/" ORBIS_SVG_MODULE)};
#ifdef ORBIS_SVG_MODULE_IN_BUILD_TREE
    // Tests and tools run from the build tree, where nothing is installed.
    candidates.append(QStringLiteral(ORBIS_SVG_MODULE_IN_BUILD_TREE));
#endif
    return candidates;
}

RenderSvg Renderer()
{
    // Loaded once and kept for the life of the process.
    static const RenderSvg render = []() -> RenderSvg {
        for (const QString& path : ModuleCandidates()) {
            QLibrary module(path);
            if (auto* found = reinterpret_cast<RenderSvg>(module.resolve("OrbisRenderSvg")))
                return found;
        }
        return nullptr;
    }();
    return render;
}

} // namespace

QPixmap VectorDrawnPixmap(const QString& svgPath, QSize size, qreal devicePixelRatio)
{
    const RenderSvg render = Renderer();
    if (!render || size.isEmpty() || devicePixelRatio <= 0)
        return {};
    QImage image((QSizeF(size) * devicePixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
    if (!render(svgPath, &image))
        return {};
    image.setDevicePixelRatio(devicePixelRatio);
    return QPixmap::fromImage(std::move(image));
}

} // namespace orbis
