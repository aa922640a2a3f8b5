// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The reading windows inside the main window.
#include "shell/reading_windows.h"

#include "common/twips.h"
#include "shell/about_window.h"
#include "windows/birth_details_window.h"
#include "windows/reading_window.h"
#include "work_area.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

namespace orbis {

ReadingWindows::ReadingWindows(Platform& platform, ReadingState& readings, QWidget* welcome,
                               QMdiArea* area, WorkArea* workArea, double screenWidth)
    : platform_(platform), readings_(readings), welcome_(welcome), area_(area), workArea_(workArea),
      screenWidth_(screenWidth)
{
    connect(area_, &QMdiArea::subWindowActivated, this, &ReadingWindows::follow);
}

ReadingWindows::~ReadingWindows()
{
    // The program's one end. Nothing is followed or shown any more: the focus moves as widgets go,
    // and must not call back into a window half taken down. Then the reading windows go, while
    // everything they call back into still stands.
    ending_ = true;
    workArea_->stopFollowingFocus();
    for (QPointer<QMdiSubWindow>& frame : frames_)
        delete frame;
}

void ReadingWindows::OpenReading(ReadingKind kind)
{
    unloadAll();
    setWelcomeVisible(false);
    present(SlotsOf(kind).details, new BirthDetailsWindow(*this, DesignOf(kind)));
}

void ReadingWindows::unloadAll()
{
    for (QPointer<QMdiSubWindow>& frame : frames_) {
        if (frame)
            frame->close();
        frame = nullptr;
    }
}

void ReadingWindows::present(ReadingSlot slot, QWidget* window)
{
    QPointer<QMdiSubWindow>& place = frames_[static_cast<std::size_t>(slot)];
    if (place)
        place->close();
    // The frame elides its caption each time it works out its title bar, well over fifty times
    // while it is taken in, sized and placed; so it gets the caption once that is done.
    const QString caption = window->windowTitle();
    window->setWindowTitle(QString());
    QMdiSubWindow* frame =
        area_->addSubWindow(window, Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                        Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->setWindowIcon(area_->window()->windowIcon());
    // Its system menu brings keys of its own (Ctrl+W closes the window and loses the entries);
    // only the keys the program names close a window.
    for (QAction* item : frame->systemMenu()->actions())
        item->setShortcuts({});
    place = frame;
    // A window that goes while another stays hidden (the birth-details window behind a result)
    // leaves no window to activate, and so no signal of the area's.
    connect(frame, &QObject::destroyed, this, [this] { follow(area_->activeSubWindow()); });
    frame->show();
    frame->adjustSize();
    frame->setFixedSize(frame->sizeHint());
    // Centred on the screen's width, at the top of the space the main window leaves.
    workArea_->place(frame, TwipsToPixels((screenWidth_ - PixelsToTwips(frame->width())) / 2));
    area_->setActiveSubWindow(frame);
    window->setWindowTitle(caption);
    window->setFocus();
}

QWidget* ReadingWindows::readingWindow(ReadingSlot slot) const
{
    const QPointer<QMdiSubWindow>& frame = frames_[static_cast<std::size_t>(slot)];
    return frame ? frame->widget() : nullptr;
}

void ReadingWindows::setWelcomeVisible(bool visible)
{
    if (!ending_)
        welcome_->setVisible(visible);
}

bool ReadingWindows::isWelcomeVisible() const
{
    return !welcome_->isHidden();
}

void ReadingWindows::showAbout(QWidget* over)
{
    AboutWindow::ShowModal(platform_, over);
}

void ReadingWindows::follow(QMdiSubWindow* activated)
{
    if (!ending_)
        emit activeChanged(activated ? qobject_cast<ReadingWindow*>(activated->widget()) : nullptr);
}

} // namespace orbis
