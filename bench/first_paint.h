// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Ends a start-up probe right after its main window has painted for the first time.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace orbis::bench {

class QuitOnFirstPaint final : public QObject {
public:
    // `sinceMain` was started at the top of main; the harness measures the whole process itself.
    QuitOnFirstPaint(QWidget* window, const QElapsedTimer& sinceMain)
        : window_(window), sinceMain_(sinceMain)
    {
        // Application-wide: opaque children cover the window, which then gets no paint of its own.
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!done_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == window_) {
            done_ = true;
            // The wall clock too, so the harness can tell launch to paint apart from the exit after
            // it.
            const auto wall = std::chrono::duration_cast<std::chrono::microseconds>(
                std::chrono::system_clock::now().time_since_epoch());
            std::printf("first-paint-ms %.3f\n",
                        static_cast<double>(sinceMain_.nsecsElapsed()) / 1e6);
            std::printf("first-paint-epoch-us %lld\n", static_cast<long long>(wall.count()));
            std::fflush(stdout);
            // Queued: the backing store is flushed to the screen once this paint pass returns.
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* window_;
    const QElapsedTimer& sinceMain_;
    bool done_ = false;
};

} // namespace orbis::bench
