// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The program started on the fake platform, and the steps of a reading as a user takes them.
#pragma once

#include "support/fake_platform.h"
#include "windows/reading_host.h"

#include <QString>
#include <memory>

namespace orbis {
class MainWindow;
class Program;
struct ReadingState;
} // namespace orbis

namespace orbis::testing {

// What the user picks in a birth-details window; the defaults are the window's own.
struct BirthEntry {
    QString name = QStringLiteral("ANN");
    int day = 1;
    int month = 1;
    int year = 1900;
    QString band = QStringLiteral("4am-6am");
};

class ReadingFixture {
public:
    ReadingFixture();
    ~ReadingFixture();

    // Starts the program afresh on `platform` (a running one is ended first); false when it
    // refused to start. Each end request the main window makes is counted.
    bool start();
    void stop();
    MainWindow* main() const;
    // The program-wide reading values.
    ReadingState& readings() const;

    // Opens the reading's birth-details window from the main window.
    QWidget* open(ReadingKind kind);
    // The live birth-details or result window of the reading, or null.
    QWidget* details(ReadingKind kind) const;
    QWidget* result(ReadingKind kind) const;
    // Opens the reading, fills in `entry` and clicks Proceed; the result window, or null.
    QWidget* read(ReadingKind kind, const BirthEntry& entry = {});

    FakePlatform platform;
    int endRequests = 0;

private:
    std::unique_ptr<Program> program_;
};

// Fills the entries of a birth-details window.
void Enter(QWidget* details, const BirthEntry& entry);
// Clicks the window's Proceed button.
void Proceed(QWidget* details);

} // namespace orbis::testing
