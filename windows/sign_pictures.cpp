// The sign pictures, drawn from vector artwork at the resolution of the screen.
#include "sign_pictures.h"

#include <QIcon>

namespace orbis {

QPixmap SignPictures::picture(int number, qreal devicePixelRatio) const
{
    if (number < 1 || number > 12)
        return {};
    QPixmap& cached = drawn_[static_cast<std::size_t>(number - 1)];
    if (cached.isNull() || !qFuzzyCompare(cached.devicePixelRatio(), devicePixelRatio)) {
        const QIcon icon(QStringLiteral(":/signs/%1.svg").arg(number));
        cached = icon.pixmap(QSize(kPictureSize, kPictureSize), devicePixelRatio);
    }
    return cached;
}

} // namespace orbis
