// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The values one reading leaves for the next steps: sun sign, band, lookup key, rising sign.
#pragma once

#include <string>
#include <string_view>

namespace orbis {

// Shared by the three readings and overwritten by each successful Proceed; empty at start.
struct ReadingState {
    std::string currentSunSign;
    std::string currentBandLabel;
    std::string currentLookupKey;
    std::string currentRisingSign;
};

// The common first steps of Proceed, after validation: store the sun sign of the day and month
// (kept as it was when the date has no sign), the band label, and the lookup key built from both.
void BeginReading(ReadingState& state, int day, int month, std::string_view bandLabel);

// The key under which the rising sign table files a sun sign name and a band label.
std::string MakeLookupKey(std::string_view sunSignName, std::string_view bandLabel);

} // namespace orbis
