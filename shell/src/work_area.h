// The room between the button strip and the bottom strip: the welcome panel over the MDI area.
#pragma once

#include <QWidget>

class QMdiArea;

namespace orbis {

// The welcome panel keeps its design height and is cut off at the bottom where the room is
// shorter, so the strips around it stay on screen; the MDI area takes what the panel leaves
// (all of it while the panel is hidden) and scrolls to reading windows that do not fit.
class WorkArea final : public QWidget {
    Q_OBJECT
public:
    WorkArea(QWidget* welcome, QMdiArea* mdiArea, QWidget* parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void arrange();

    QWidget* welcome_;
    QMdiArea* mdiArea_;
};

} // namespace orbis
