// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The first reading after start, in a fresh process: Proceed to the painted rising sign result,
// with everything a first reading meets for the first time (fonts at new sizes, glyphs, the sign
// picture). Baseline, also in a fresh process: the first empty child window of the same size and
// caption, taken in and painted.
// Usage: first_reading reading | first_reading empty WIDTH HEIGHT   (prints "first-ms N")
#include "reading_timing.h"
#include "shell/main_window.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

using orbis::bench::PaintCounter;
using orbis::bench::PaintPending;
using orbis::bench::Settle;

namespace {

// Returns the milliseconds, or a negative number when nothing was painted.
double FirstReading(orbis::MainWindow& main)
{
    main.readingWindows().OpenReading(orbis::ReadingKind::RisingSign);
    QWidget* details = main.readingWindows().readingWindow(orbis::ReadingSlot::RisingSignDetails);
    auto* name = details ? details->findChild<QLineEdit*>(QStringLiteral("txtName")) : nullptr;
    auto* proceed =
        details ? details->findChild<QPushButton*>(QStringLiteral("cmdProceed")) : nullptr;
    if (!name || !proceed)
        return -1;
    Settle();

    QElapsedTimer timer;
    timer.start();
    name->setText(QStringLiteral("MARY JANE"));
    proceed->click();
    QWidget* result = main.readingWindows().readingWindow(orbis::ReadingSlot::RisingSignResult);
    std::unique_ptr<PaintCounter> counter;
    if (result)
        counter = std::make_unique<PaintCounter>(result);
    PaintPending();
    const double elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    return counter && counter->paints > 0 ? elapsed : -1;
}

double FirstEmptyChild(orbis::MainWindow& main, QSize size)
{
    auto* area = main.findChild<QMdiArea*>(QStringLiteral("mdiArea"));
    if (!area)
        return -1;
    Settle();
    QElapsedTimer timer;
    timer.start();
    auto* empty = new QWidget;
    empty->setFixedSize(size);
    empty->setWindowTitle(QStringLiteral("Orbis Zodiac Rising Sign"));
    PaintCounter counter(empty);
    QMdiSubWindow* frame = area->addSubWindow(empty);
    frame->show();
    area->setActiveSubWindow(frame);
    PaintPending();
    const double elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    return counter.paints > 0 ? elapsed : -1;
}

} // namespace

int main(int argc, char* argv[])
{
    const bool empty = argc >= 4 && std::strcmp(argv[1], "empty") == 0;
    if (!empty && (argc < 2 || std::strcmp(argv[1], "reading") != 0)) {
        std::fprintf(stderr, "usage: %s reading | %s empty WIDTH HEIGHT\n", argv[0], argv[0]);
        return 2;
    }
    orbis::bench::BenchProgram program(argc, argv);
    orbis::MainWindow* main = program.mainWindow();
    if (!main)
        return 1;
    const double ms = empty ? FirstEmptyChild(*main, QSize(std::atoi(argv[2]), std::atoi(argv[3])))
                            : FirstReading(*main);
    if (ms < 0) {
        std::fprintf(stderr, "%s: nothing was painted\n", argv[0]);
        return 1;
    }
    std::printf("first-ms %.3f\n", ms);
    return 0;
}
