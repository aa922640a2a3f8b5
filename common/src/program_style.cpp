// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's widget style: the desktop's, with the few looks the design asks for.
#include "common/program_style.h"

#include "common/ready_drawn.h"

#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOption>

namespace orbis {

namespace {

// A button whose face colour the program chose. Desktop styles draw the face as a gradient of a
// paler shade, so the design's peach or grey would read as white.
bool HasDesignFace(const QWidget* widget)
{
    return qobject_cast<const QPushButton*>(widget) &&
           widget->palette().isBrushSet(QPalette::Active, QPalette::Button);
}

// How thick a control's edge is drawn while it has the focus.
constexpr int kFocusWidth = 2;

// Lines of `width` pixels just inside `rect`.
void DrawFrame(QPainter* painter, const QRect& rect, const QColor& colour, int width)
{
    for (int inset = 0; inset < width; ++inset) {
        const QRect line = rect.adjusted(inset, inset, -inset, -inset);
        painter->fillRect(line.left(), line.top(), line.width(), 1, colour);
        painter->fillRect(line.left(), line.bottom(), line.width(), 1, colour);
        painter->fillRect(line.left(), line.top(), 1, line.height(), colour);
        painter->fillRect(line.right(), line.top(), 1, line.height(), colour);
    }
}

// The face in its colour, pressed a shade darker. Its edge is a darker face, or the caption's
// colour for the button Enter presses. With the focus, whether it came by key or by mouse, the
// edge is twice as thick and a dotted line runs round the caption.
void DrawDesignFace(const QStyleOption* option, QPainter* painter)
{
    const QPalette& palette = option->palette;
    const QColor face = palette.color(QPalette::Button);
    const QColor text = palette.color(QPalette::ButtonText);
    const bool down = option->state & (QStyle::State_Sunken | QStyle::State_On);
    painter->fillRect(option->rect, down ? face.darker(115) : face);
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    const bool isDefault = button && (button->features & QStyleOptionButton::DefaultButton);
    const bool focused = option->state & QStyle::State_HasFocus;
    DrawFrame(painter, option->rect, isDefault || focused ? text : face.darker(160),
              focused ? kFocusWidth : 1);
    if (focused) {
        painter->save();
        painter->setPen(QPen(text, 1, Qt::DotLine));
        painter->drawRect(option->rect.adjusted(4, 4, -5, -5));
        painter->restore();
    }
}

} // namespace

ProgramStyle::ProgramStyle()
    : overflowArrow_(ReadyDrawnIcon({":/icons/menu-overflow.png", ":/icons/menu-overflow@2x.png"}))
{
}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const
{
    switch (element) {
    case PE_PanelButtonCommand:
        if (HasDesignFace(widget))
            return DrawDesignFace(option, painter);
        break;
    case PE_FrameFocusRect:
        // The face shows the focus itself.
        if (HasDesignFace(widget))
            return;
        break;
    case PE_Frame:
    case PE_PanelLineEdit:
        // A text box with the focus is framed in its text's colour, which the desktop's frame
        // shows hardly or not at all.
        if ((qobject_cast<const QPlainTextEdit*>(widget) ||
             qobject_cast<const QLineEdit*>(widget)) &&
            (option->state & State_HasFocus)) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            DrawFrame(painter, option->rect, option->palette.color(QPalette::Text), kFocusWidth);
            return;
        }
        break;
    default:
        break;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

int ProgramStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                              const QWidget* widget) const
{
    // Room for the whole focus frame round a text box's text, with or without the focus, so the
    // text stays where it is as the focus comes and goes.
    if (metric == PM_DefaultFrameWidth && qobject_cast<const QPlainTextEdit*>(widget))
        return qMax(kFocusWidth, QProxyStyle::pixelMetric(metric, option, widget));
    return QProxyStyle::pixelMetric(metric, option, widget);
}

void ProgramStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                      QPainter* painter, const QWidget* widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    // A list with the focus, framed like a text box.
    if (control == CC_ComboBox && (option->state & State_HasFocus))
        DrawFrame(painter, option->rect, option->palette.color(QPalette::ButtonText), kFocusWidth);
}

QIcon ProgramStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                 const QWidget* widget) const
{
    // Every menu bar asks for this arrow as it is built. The stock picture is a file whose format
    // Qt guesses by loading every image plugin there is (GIF, JPEG, SVG ...), which would all come
    // in before the main window's first paint.
    if (which == SP_ToolBarHorizontalExtensionButton && !overflowArrow_.isNull())
        return overflowArrow_;
    return QProxyStyle::standardIcon(which, option, widget);
}

} // namespace orbis
