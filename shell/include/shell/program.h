// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: the single-instance rule, the update reminder, then the main window.
#pragma once

#include "orbis/reading_state.h"

#include <functional>
#include <memory>

class QApplication;

namespace orbis {

class MainWindow;
class Platform;

// Names, icon and fonts the whole program shares; call once, before any window exists.
void ConfigureApplication(QApplication& application);

class Program {
public:
    // `endProgram` ends the process's event loop; the main window calls it when it is unloaded.
    Program(Platform& platform, std::function<void()> endProgram);
    ~Program();

    // False when another copy runs: the user has been told and nothing else has happened.
    bool start();
    MainWindow* mainWindow() const { return mainWindow_.get(); }
    ReadingState& readings() { return readings_; }

private:
    Platform& platform_;
    std::function<void()> endProgram_;
    ReadingState readings_;
    std::unique_ptr<MainWindow> mainWindow_;
};

} // namespace orbis
