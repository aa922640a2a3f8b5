// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Clickable labels and the link pointer.
#include "common/link_label.h"

#include "common/ready_drawn.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPixmap>

namespace orbis {

LinkLabel::LinkLabel(const QString& text, QWidget* parent, Pointer pointer) : QLabel(text, parent)
{
    if (pointer == Pointer::Link)
        setCursor(LinkPointer());
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        event->accept(); // a label inside another clickable one opens one page, not two
        emit clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

QCursor LinkPointer()
{
    // Made once, from the double-size picture on high-density screens so that it stays sharp.
    static const QCursor pointer = [] {
        constexpr int kSize = 32;
        const QPixmap pixmap = ReadyDrawnPixmap(":/cursors/link.png", ":/cursors/link@2x.png",
                                                QSize(kSize, kSize), qGuiApp->devicePixelRatio());
        return pixmap.isNull() ? QCursor(Qt::PointingHandCursor) : QCursor(pixmap, 10, 2);
    }();
    return pointer;
}

} // namespace orbis
