// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Builds a window's controls from its layout table: each named, placed in twips, with its
// typeface and colours.
#pragma once

#include "common/twips.h"

#include <QColor>
#include <QString>
#include <optional>

class QWidget;

namespace orbis {

struct Typeface {
    double points = 8.25;
    bool bold = false;
    bool underline = false;
};

// How a control is drawn. A colour left invalid, or no typeface, is inherited from the container.
struct Look {
    std::optional<Typeface> font = {};
    QColor text = {};       // every text role
    QColor background = {}; // the window, base and button roles
    QColor face = {};       // a button's face alone, its frame left to the container's colours
    bool filled = false;
};

// Names `widget`, places it at `box` and gives it `look`; returns it.
template <typename Widget>
Widget* Place(Widget* widget, const QString& name, const TwipsBox& box, const Look& look = {});

// A strip or area of a design, filled with its background.
QWidget* Panel(QWidget* parent, const QString& name, const TwipsBox& box, const QColor& background);

namespace detail {
void Place(QWidget* widget, const QString& name, const TwipsBox& box, const Look& look);
}

template <typename Widget>
Widget* Place(Widget* widget, const QString& name, const TwipsBox& box, const Look& look)
{
    detail::Place(widget, name, box, look);
    return widget;
}

} // namespace orbis
