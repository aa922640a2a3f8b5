// The welcome panel and the MDI area sharing the room between the strips.
#include "work_area.h"

#include <QEvent>
#include <QMdiArea>

namespace orbis {

WorkArea::WorkArea(QWidget* welcome, QMdiArea* mdiArea, QWidget* parent)
    : QWidget(parent), welcome_(welcome), mdiArea_(mdiArea)
{
    setObjectName(QStringLiteral("workArea"));
    welcome_->setParent(this);
    mdiArea_->setParent(this);
    // The panel is drawn over the MDI area's top edge, never beside it.
    welcome_->raise();
    welcome_->installEventFilter(this);
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

void WorkArea::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    arrange();
}

bool WorkArea::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == welcome_ && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
        arrange();
    return QWidget::eventFilter(watched, event);
}

void WorkArea::arrange()
{
    const int panelHeight = welcome_->isHidden() ? 0 : welcome_->height();
    welcome_->setGeometry(0, 0, width(), welcome_->height());
    mdiArea_->setGeometry(0, panelHeight, width(), qMax(0, height() - panelHeight));
}

} // namespace orbis
