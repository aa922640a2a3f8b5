// The program's one typeface and colour helpers.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

namespace orbis {

// Verdana where installed; elsewhere a substitute of similar metrics is registered at start-up.
QFont Verdana(double pointSize, bool bold = false, bool underline = false);

// Maps Verdana to a free family with similar metrics where Verdana is missing.
void RegisterFontSubstitutes();

// `base` with the window, base and button roles set to `background` and every text role to
// `text`; an invalid colour leaves its roles as they are.
QPalette ColouredPalette(QPalette base, const QColor& background, const QColor& text);

} // namespace orbis
