// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// IMGSign: the twelve sign pictures, numbered 1 (Aries) to 12 (Pisces), shared by every window.
#pragma once

#include <QPixmap>
#include <QString>

#include <array>

namespace orbis {

class SignPictures {
public:
    static constexpr int kPictureSize = 200;

    // `folder` holds N.png and N.svg for each number; the program's own are compiled in.
    explicit SignPictures(QString folder = QStringLiteral(":/signs"));

    // Picture `number` at 200 x 200 logical pixels, drawn sharp for `devicePixelRatio`;
    // a null pixmap for numbers outside 1..12.
    QPixmap picture(int number, qreal devicePixelRatio) const;

private:
    QString folder_;
    // Drawn once per picture and screen scale; readings show the same twelve again and again.
    mutable std::array<QPixmap, 12> drawn_;
};

} // namespace orbis
