// The sign pictures, drawn from vector artwork at the resolution of the screen.
#include "sign_pictures.h"

#include <QIcon>

namespace orbis {

QPixmap SignPictures::picture(int number, qreal devicePixelRatio) const
{
    if (number < 1 || number > 12)
        return {};
    const QIcon icon(QStringLiteral(":/signs/%1.svg").arg(number));
    return icon.pixmap(QSize(kPictureSize, kPictureSize), devicePixelRatio);
}

} // namespace orbis
