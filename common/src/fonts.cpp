// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The typeface and its substitutes.
#include "common/fonts.h"

#include <QStringList>

namespace orbis {

QFont Verdana(double pointSize, bool bold, bool underline)
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

void RegisterFontSubstitutes()
{
    // DejaVu Sans grew out of Bitstream Vera, drawn to Verdana's wide proportions.
    QFont::insertSubstitutions(QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans"),
                                                           QStringLiteral("Bitstream Vera Sans")});
}

} // namespace orbis
