// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The rising sign table and its lookup by text key.
#pragma once

#include "orbis/reading_state.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace orbis {

struct RisingSignEntry {
    std::string_view key;
    std::string_view sign;
};

inline constexpr std::size_t kRisingSignEntries = 144;

// Twelve blocks of twelve: block k is the band at list position k, sun signs Aries to Pisces
// inside.
extern const std::array<RisingSignEntry, kRisingSignEntries> RisingSignTable;

// Stores the sign filed under `lookupKey` in the current rising sign; an unknown key changes
// nothing.
void FindRisingSign(ReadingState& state, std::string_view lookupKey);

} // namespace orbis
