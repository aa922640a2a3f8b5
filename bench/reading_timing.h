// Shared by the reading benchmarks: counting paints, and the event-loop steps around a click.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

namespace orbis::bench {

// Counts paint events on a window and everything inside it: opaque children cover their parent,
// which is then not painted itself.
class PaintCounter final : public QObject {
public:
    explicit PaintCounter(QWidget* window)
    {
        window->installEventFilter(this);
        for (QWidget* child : window->findChildren<QWidget*>())
            child->installEventFilter(this);
    }
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

// Whatever the last step left queued (deletions, repaints) is done before the clock starts.
inline void Settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// The event loop's next turn after a click: layout, polish and the update request that paints.
inline void PaintPending()
{
    QCoreApplication::sendPostedEvents();
}

} // namespace orbis::bench
