// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The layout builder.
#include "common/form.h"

#include "common/colours.h"
#include "common/fonts.h"

#include <QWidget>

namespace orbis {

namespace detail {

void Place(QWidget* widget, const QString& name, const TwipsBox& box, const Look& look)
{
    widget->setObjectName(name);
    widget->setGeometry(TwipsRect(box));
    if (look.font)
        widget->setFont(Verdana(look.font->points, look.font->bold, look.font->underline));
    if (look.text.isValid() || look.background.isValid() || look.face.isValid()) {
        QPalette palette = ColouredPalette(widget->palette(), look.background, look.text);
        if (look.face.isValid())
            palette.setColor(QPalette::Button, look.face);
        widget->setPalette(palette);
    }
    if (look.filled)
        widget->setAutoFillBackground(true);
}

} // namespace detail

QWidget* Panel(QWidget* parent, const QString& name, const TwipsBox& box, const QColor& background)
{
    // The window role alone: the controls on a strip keep their own faces and fields.
    auto* panel = Place(new QWidget(parent), name, box, {.filled = true});
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, background);
    panel->setPalette(palette);
    return panel;
}

} // namespace orbis
