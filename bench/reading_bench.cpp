// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading benchmark: Proceed to a painted result window, beside an empty child window shown alike.
#include "reading_timing.h"
#include "shell/main_window.h"

#include <benchmark/benchmark.h>

#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

#include <chrono>
#include <memory>

namespace {

using orbis::bench::PaintCounter;
using orbis::bench::PaintPending;
using orbis::bench::Settle;
using Clock = std::chrono::steady_clock;

orbis::MainWindow* g_main = nullptr;

void BM_ProceedToPaintedResult(benchmark::State& state)
{
    const auto kind = static_cast<orbis::ReadingKind>(state.range(0));
    const orbis::ReadingSlots windows = orbis::SlotsOf(kind);
    for (auto _ : state) {
        g_main->readingWindows().OpenReading(kind);
        QWidget* details = g_main->readingWindows().readingWindow(windows.details);
        auto* name = details ? details->findChild<QLineEdit*>(QStringLiteral("txtName")) : nullptr;
        auto* proceed =
            details ? details->findChild<QPushButton*>(QStringLiteral("cmdProceed")) : nullptr;
        if (!name || !proceed) {
            state.SkipWithError("birth-details window without txtName or cmdProceed");
            return;
        }
        Settle();

        const auto start = Clock::now();
        name->setText(QStringLiteral("MARY JANE"));
        proceed->click();
        QWidget* result = g_main->readingWindows().readingWindow(windows.result);
        std::unique_ptr<PaintCounter> counter;
        if (result)
            counter = std::make_unique<PaintCounter>(result);
        PaintPending();
        const auto end = Clock::now();

        if (!result || counter->paints == 0) {
            state.SkipWithError("Proceed did not lead to a painted result window");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        counter.reset();
        g_main->readingWindows().unloadAll();
        Settle();
    }
}
BENCHMARK(BM_ProceedToPaintedResult)
    ->ArgName("kind")
    ->Arg(static_cast<int>(orbis::ReadingKind::RisingSign))
    ->Arg(static_cast<int>(orbis::ReadingKind::Midheaven))
    ->Arg(static_cast<int>(orbis::ReadingKind::Descendant))
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// The floor: an empty widget of the rising sign result's size and caption, taken in and painted
// alike. The caption matters: the frame measures and elides it for every size hint.
void BM_EmptySubWindowBaseline(benchmark::State& state)
{
    auto* area = g_main->findChild<QMdiArea*>(QStringLiteral("mdiArea"));
    if (!area) {
        state.SkipWithError("main window without mdiArea");
        return;
    }
    g_main->readingWindows().unloadAll();
    Settle();
    const QSize size(state.range(0), state.range(1));
    const QString caption = QStringLiteral("Orbis Zodiac Rising Sign");
    for (auto _ : state) {
        Settle();
        const auto start = Clock::now();
        auto* empty = new QWidget;
        empty->setFixedSize(size);
        empty->setWindowTitle(caption);
        PaintCounter counter(empty);
        QMdiSubWindow* frame = area->addSubWindow(empty);
        frame->setAttribute(Qt::WA_DeleteOnClose);
        frame->show();
        area->setActiveSubWindow(frame);
        PaintPending();
        const auto end = Clock::now();

        if (counter.paints == 0) {
            state.SkipWithError("the empty child window was not painted");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        frame->close();
        Settle();
    }
}

} // namespace

int main(int argc, char* argv[])
{
    orbis::bench::BenchProgram program(argc, argv);
    g_main = program.mainWindow();
    if (!g_main)
        return 1;

    // Size the baseline after the real result window, measured once here.
    g_main->readingWindows().OpenReading(orbis::ReadingKind::RisingSign);
    QWidget* details =
        g_main->readingWindows().readingWindow(orbis::ReadingSlot::RisingSignDetails);
    details->findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("MARY"));
    details->findChild<QPushButton*>(QStringLiteral("cmdProceed"))->click();
    const QSize resultSize =
        g_main->readingWindows().readingWindow(orbis::ReadingSlot::RisingSignResult)->size();
    g_main->readingWindows().unloadAll();
    Settle();
    benchmark::RegisterBenchmark("BM_EmptySubWindowBaseline", BM_EmptySubWindowBaseline)
        ->Args({resultSize.width(), resultSize.height()})
        ->ArgNames({"w", "h"})
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
