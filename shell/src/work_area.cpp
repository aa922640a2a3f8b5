// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The welcome panel and the MDI area sharing the room between the strips.
#include "work_area.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>

namespace orbis {

namespace {

// How far a window reaches below its lowest control: what may be cut off without losing any.
int EmptyBottom(const QWidget* frame)
{
    int lowest = 0;
    for (const QWidget* widget : frame->findChildren<QWidget*>()) {
        if (widget->isWindow() || !widget->isVisibleTo(frame))
            continue;
        const bool holdsOthers = std::any_of(
            widget->children().cbegin(), widget->children().cend(), [](const QObject* child) {
                return child->isWidgetType() && !static_cast<const QWidget*>(child)->isWindow();
            });
        if (!holdsOthers)
            lowest = qMax(lowest, widget->mapTo(frame, QPoint(0, widget->height())).y());
    }
    return qMax(0, frame->height() - lowest);
}

bool MovedByKeys(Qt::FocusReason reason)
{
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::ShortcutFocusReason;
}

} // namespace

WorkArea::WorkArea(QWidget* welcome, QMdiArea* mdiArea, QWidget* parent)
    : QWidget(parent), welcome_(welcome), mdiArea_(mdiArea)
{
    setObjectName(QStringLiteral("workArea"));
    welcome_->setParent(this);
    mdiArea_->setParent(this);
    // The panel is drawn over the MDI area's top edge, never beside it.
    welcome_->raise();
    welcome_->installEventFilter(this);
    // Focus events carry how the focus moved; only the keyboard's moves scroll.
    qApp->installEventFilter(this);
}

WorkArea::~WorkArea()
{
    stopFollowingFocus();
}

void WorkArea::stopFollowingFocus()
{
    if (followingFocus_)
        qApp->removeEventFilter(this);
    followingFocus_ = false;
}

QSize WorkArea::sizeHint() const
{
    return welcome_->size();
}

QSize WorkArea::minimumSizeHint() const
{
    // Never a reason for the main window to be taller or wider than the screen.
    return {0, 0};
}

void WorkArea::place(QMdiSubWindow* frame, int left)
{
    frame->move(left, 0);
    fit(frame);
}

void WorkArea::fit(QMdiSubWindow* frame)
{
    if (!frame || !frame->widget())
        return;
    fitted_ = frame;
    // Its title bar is always in the room: a taller window scrolls rather than losing its caption,
    // its minimise button and its close box above the edge.
    const bool fitsHeight = frame->height() - mdiArea_->height() <= EmptyBottom(frame);
    const bool fitsWidth = frame->x() >= 0 && frame->x() + frame->width() <= mdiArea_->width();
    // Scrolled back first, so the window is placed where the room starts.
    mdiArea_->verticalScrollBar()->setValue(0);
    mdiArea_->horizontalScrollBar()->setValue(0);
    // A window that fits, give or take empty space, gets no scroll bar for it.
    mdiArea_->setVerticalScrollBarPolicy(fitsHeight ? Qt::ScrollBarAlwaysOff
                                                    : Qt::ScrollBarAsNeeded);
    mdiArea_->setHorizontalScrollBarPolicy(fitsWidth ? Qt::ScrollBarAlwaysOff
                                                     : Qt::ScrollBarAsNeeded);
    frame->move(frame->x(), 0);
}

void WorkArea::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    arrange();
    if (fitted_ && fitted_->isVisible())
        fit(fitted_);
}

bool WorkArea::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        if (watched->isWidgetType() && MovedByKeys(static_cast<QFocusEvent*>(event)->reason()))
            scrollTo(static_cast<QWidget*>(watched));
        return false;
    }
    if (watched == welcome_ && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
        arrange();
    // A reading window on screen again (Back) is fitted as one newly placed.
    if (auto* frame = qobject_cast<QMdiSubWindow*>(watched);
        frame && event->type() == QEvent::Show && frame->mdiArea() == mdiArea_)
        fit(frame);
    return QWidget::eventFilter(watched, event);
}

void WorkArea::arrange()
{
    const int panelHeight = welcome_->isHidden() ? 0 : welcome_->height();
    welcome_->setGeometry(0, 0, width(), welcome_->height());
    mdiArea_->setGeometry(0, panelHeight, width(), qMax(0, height() - panelHeight));
}

void WorkArea::scrollTo(QWidget* focused)
{
    QWidget* viewport = mdiArea_->viewport();
    if (!viewport->isAncestorOf(focused))
        return;
    const QRect place(focused->mapTo(viewport, QPoint(0, 0)), focused->size());
    const QRect room = viewport->rect();
    auto follow = [](QScrollBar* bar, int low, int high, int roomLow, int roomHigh) {
        if (high > roomHigh)
            bar->setValue(bar->value() + qMin(high - roomHigh, low - roomLow));
        else if (low < roomLow)
            bar->setValue(bar->value() - (roomLow - low));
    };
    follow(mdiArea_->verticalScrollBar(), place.top(), place.bottom(), room.top(), room.bottom());
    follow(mdiArea_->horizontalScrollBar(), place.left(), place.right(), room.left(), room.right());
}

} // namespace orbis
