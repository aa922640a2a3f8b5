// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's ready-drawn PNGs, read with their format named.
#include "common/ready_drawn.h"

#include <QImageReader>

namespace orbis {

namespace {

QImage ReadPng(const QString& path)
{
    // Naming the format spares the reader from loading every image plugin to guess it.
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace

QIcon ReadyDrawnIcon(std::initializer_list<const char*> pngPaths)
{
    QIcon icon;
    for (const char* path : pngPaths) {
        const QImage image = ReadPng(QString::fromLatin1(path));
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

QPixmap ReadyDrawnPixmap(const QString& pngPath, const QString& pngPath2x, QSize size,
                         qreal devicePixelRatio)
{
    QImage image = ReadPng(devicePixelRatio > 1.0 ? pngPath2x : pngPath);
    if (image.isNull())
        return {};
    const QSize device = size * devicePixelRatio;
    if (image.size() != device)
        image = image.scaled(device, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(devicePixelRatio);
    return QPixmap::fromImage(std::move(image));
}

QPixmap ReadyDrawnPixmap(const QString& pngPath)
{
    return QPixmap::fromImage(ReadPng(pngPath));
}

} // namespace orbis
