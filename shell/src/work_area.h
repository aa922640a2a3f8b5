// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The room between the button strip and the bottom strip: the welcome panel over the MDI area.
#pragma once

#include <QPointer>
#include <QWidget>

class QMdiArea;
class QMdiSubWindow;

namespace orbis {

// The welcome panel keeps its design height and is cut off at the bottom where the room is
// shorter, so the strips around it stay on screen; the MDI area takes what the panel leaves
// (all of it while the panel is hidden). A reading window opens with its title bar at the top of
// the room, whatever the room was scrolled to before; one a little too tall for the room is cut
// where it holds nothing rather than given a scroll bar, and a taller one makes the room scroll.
// The room scrolls by itself only to a control the user moves the focus to with the keyboard.
class WorkArea final : public QWidget {
    Q_OBJECT
public:
    WorkArea(QWidget* welcome, QMdiArea* mdiArea, QWidget* parent);
    ~WorkArea() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Places a reading window `left` pixels from the area's left edge, at its top edge.
    void place(QMdiSubWindow* frame, int left);
    // Stops following the focus; the reading windows are about to be taken down.
    void stopFollowingFocus();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void arrange();
    // Fits the room to a reading window that has come on screen.
    void fit(QMdiSubWindow* frame);
    void scrollTo(QWidget* focused);

    QWidget* welcome_;
    QMdiArea* mdiArea_;
    QPointer<QMdiSubWindow> fitted_;
    bool followingFocus_ = true;
};

} // namespace orbis
