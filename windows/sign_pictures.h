// IMGSign: the twelve sign pictures, numbered 1 (Aries) to 12 (Pisces), shared by every window.
#pragma once

#include <QPixmap>

namespace orbis {

class SignPictures {
public:
    static constexpr int kPictureSize = 200;

    // Picture `number` at 200 x 200 logical pixels, drawn sharp for `devicePixelRatio`;
    // a null pixmap for numbers outside 1..12.
    QPixmap picture(int number, qreal devicePixelRatio) const;
};

} // namespace orbis
