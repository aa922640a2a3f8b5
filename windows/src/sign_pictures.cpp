// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The sign pictures: ready-drawn for ordinary screens, drawn from vector artwork for the others.
#include "windows/sign_pictures.h"

#include "common/ready_drawn.h"
#include "common/vector_drawn.h"

namespace orbis {

SignPictures::SignPictures(QString folder) : folder_(std::move(folder))
{
}

QPixmap SignPictures::picture(int number, qreal devicePixelRatio) const
{
    if (number < 1 || number > 12)
        return {};
    QPixmap& cached = drawn_[static_cast<std::size_t>(number - 1)];
    if (!cached.isNull() && qFuzzyCompare(cached.devicePixelRatio(), devicePixelRatio))
        return cached;
    const QString path = folder_ + QStringLiteral("/%1.").arg(number);
    const QSize size(kPictureSize, kPictureSize);
    // Any scale but 1 has the picture drawn from the vector original at its own resolution; the
    // ready-drawn one, scaled, stands in where the original cannot be drawn.
    QPixmap drawn;
    if (!qFuzzyCompare(devicePixelRatio, 1.0))
        drawn = VectorDrawnPixmap(path + QStringLiteral("svg"), size, devicePixelRatio);
    if (drawn.isNull()) {
        const QString png = path + QStringLiteral("png");
        drawn = ReadyDrawnPixmap(png, png, size, devicePixelRatio);
    }
    cached = drawn;
    return cached;
}

} // namespace orbis
