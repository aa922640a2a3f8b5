// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The common first steps of every reading and the rising sign lookup.
#include "orbis/reading_state.h"

#include "orbis/rising_sign.h"
#include "orbis/zodiac.h"

namespace orbis {

std::string MakeLookupKey(std::string_view sunSignName, std::string_view bandLabel)
{
    std::string key;
    key.reserve(sunSignName.size() + 1 + bandLabel.size());
    key.append(sunSignName).append("-").append(bandLabel);
    return key;
}

void BeginReading(ReadingState& state, int day, int month, std::string_view bandLabel)
{
    if (const auto sunSign = GetSunSign(day, month))
        state.currentSunSign = SignName(*sunSign);
    state.currentBandLabel = bandLabel;
    state.currentLookupKey = MakeLookupKey(state.currentSunSign, state.currentBandLabel);
}

void FindRisingSign(ReadingState& state, std::string_view lookupKey)
{
    // The whole table is walked, so a later duplicate key would win; keys are unique in practice.
    for (const RisingSignEntry& entry : RisingSignTable) {
        if (entry.key == lookupKey)
            state.currentRisingSign = entry.sign;
    }
}

} // namespace orbis
