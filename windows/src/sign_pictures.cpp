// The sign pictures: ready-drawn for ordinary screens, drawn from vector artwork for the others.
#include "windows/sign_pictures.h"

#include "common/ready_drawn.h"
#include "common/vector_drawn.h"

namespace orbis {

QPixmap SignPictures::picture(int number, qreal devicePixelRatio) const
{
    if (number < 1 || number > 12)
        return {};
    QPixmap& cached = drawn_[static_cast<std::size_t>(number - 1)];
    if (!cached.isNull() && qFuzzyCompare(cached.devicePixelRatio(), devicePixelRatio))
        return cached;
    // Ordinary screens take the ready-drawn picture; any other scale has it drawn from the vector
    // original at its own resolution.
    QPixmap drawn;
    if (qFuzzyCompare(devicePixelRatio, 1.0))
        drawn = ReadyDrawnPixmap(QStringLiteral(":/signs/%1.png").arg(number));
    if (drawn.isNull())
        drawn = VectorDrawnPixmap(QStringLiteral(":/signs/%1.svg").arg(number),
                                  QSize(kPictureSize, kPictureSize), devicePixelRatio);
    cached = drawn;
    return cached;
}

} // namespace orbis
