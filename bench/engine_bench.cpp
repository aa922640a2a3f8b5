// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Engine benchmark: every (sun sign, band) reading through the engine, beside plain arithmetic.
#include "orbis/reading_state.h"
#include "orbis/rising_sign.h"
#include "orbis/sign_profile.h"
#include "orbis/zodiac.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

using orbis::kSignCount;

struct DayMonth {
    int day;
    int month;
};

// The 5th of a month falls in the sign that reigns at its start: April is Aries, January Capricorn.
constexpr std::array<DayMonth, kSignCount> kDayOfSign{{
    {5, 4},
    {5, 5},
    {5, 6},
    {5, 7},
    {5, 8},
    {5, 9},
    {5, 10},
    {5, 11},
    {5, 12},
    {5, 1},
    {5, 2},
    {5, 3},
}};

constexpr int kPairs = kSignCount * kSignCount;

// Both sweeps must produce the same 144 rising signs, or the comparison means nothing.
bool SweepsAgree()
{
    orbis::ReadingState state;
    for (int s = 0; s < kSignCount; ++s) {
        const auto [day, month] = kDayOfSign[static_cast<std::size_t>(s)];
        if (orbis::GetSunSign(day, month) != static_cast<orbis::ZodiacSign>(s))
            return false;
        for (int k = 0; k < kSignCount; ++k) {
            orbis::BeginReading(state, day, month,
                                orbis::BandLabels()[static_cast<std::size_t>(k)]);
            orbis::FindRisingSign(state, state.currentLookupKey);
            const int expected = ((s - k) % kSignCount + kSignCount) % kSignCount;
            if (state.currentRisingSign != orbis::SignNames()[static_cast<std::size_t>(expected)])
                return false;
        }
    }
    return true;
}

void BM_EngineReadingSweep(benchmark::State& state)
{
    if (!SweepsAgree()) {
        state.SkipWithError("engine and arithmetic disagree on a rising sign");
        return;
    }
    const auto& bands = orbis::BandLabels();
    orbis::ReadingState reading;
    for (auto _ : state) {
        for (int s = 0; s < kSignCount; ++s) {
            const auto [day, month] = kDayOfSign[static_cast<std::size_t>(s)];
            auto sun = orbis::GetSunSign(day, month);
            benchmark::DoNotOptimize(sun);
            for (int k = 0; k < kSignCount; ++k) {
                orbis::BeginReading(reading, day, month, bands[static_cast<std::size_t>(k)]);
                orbis::FindRisingSign(reading, reading.currentLookupKey);
                const orbis::SignProfile* profile =
                    orbis::GetSignProfile(reading.currentRisingSign);
                benchmark::DoNotOptimize(profile);
            }
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kPairs);
}
BENCHMARK(BM_EngineReadingSweep);

void BM_ArithmeticBaseline(benchmark::State& state)
{
    for (auto _ : state) {
        for (int s = 0; s < kSignCount; ++s) {
            for (int k = 0; k < kSignCount; ++k) {
                // Opaque inputs, so the compiler cannot fold the whole sweep into constants.
                int sun = s;
                int band = k;
                benchmark::DoNotOptimize(sun);
                benchmark::DoNotOptimize(band);
                int rising = ((sun - band) % kSignCount + kSignCount) % kSignCount;
                benchmark::DoNotOptimize(rising);
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * kPairs);
}
BENCHMARK(BM_ArithmeticBaseline);

} // namespace
