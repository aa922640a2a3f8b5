// Fonts and palettes.
#include "common/fonts.h"

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

QPalette ColouredPalette(QPalette palette, const QColor& background, const QColor& text)
{
    if (background.isValid()) {
        for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            palette.setColor(role, background);
    }
    if (text.isValid()) {
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(role, text);
    }
    return palette;
}

} // namespace orbis
