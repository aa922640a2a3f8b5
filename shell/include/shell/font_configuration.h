// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the system's font configuration early, on a thread of its own.
#pragma once

#include <thread>

namespace orbis {

// Create before the QApplication. Reading the font configuration (a few dozen XML files) takes
// about as long as connecting to the display, and the first text the main window measures waits
// for it; done side by side, the two shorten the wait for the first paint. Should Qt ask for the
// configuration before this is done, the library reads it there too and keeps one of the two.
class FontConfigurationPreload {
public:
    FontConfigurationPreload();
    ~FontConfigurationPreload();
    FontConfigurationPreload(const FontConfigurationPreload&) = delete;
    FontConfigurationPreload& operator=(const FontConfigurationPreload&) = delete;

private:
    std::thread reader_;
};

} // namespace orbis
