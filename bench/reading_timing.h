// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the reading benchmarks: the program started for them, counting paints, and the
// event-loop steps around a click.
#pragma once

#include "shell/main_window.h"
#include "shell/program.h"
#include "support/fake_platform.h"

#include <QApplication>
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

// The program started as main.cpp starts it, with the platform seam faked (no message box waits,
// no settings touched), on the offscreen platform unless another one is chosen.
class BenchProgram {
public:
    BenchProgram(int& argc, char** argv) : application_(ChooseOffscreen(argc), argv)
    {
        orbis::ConfigureApplication(application_);
        started_ = program_.start();
        Settle();
    }

    // Null when start-up was refused.
    orbis::MainWindow* mainWindow() const { return started_ ? program_.mainWindow() : nullptr; }

private:
    // Runs before the application object exists, which is when the platform is chosen.
    static int& ChooseOffscreen(int& argc)
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return argc;
    }

    QApplication application_;
    orbis::testing::FakePlatform platform_;
    orbis::Program program_{platform_, [] {}};
    bool started_ = false;
};

} // namespace orbis::bench
