// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The midheaven and descendant readings: fixed shifts of the rising sign and their descriptions.
#pragma once

#include "orbis/zodiac.h"

#include <optional>
#include <string_view>

namespace orbis {

inline constexpr int kMidheavenShift = -3;
inline constexpr int kDescendantShift = 6;

// Both take the current rising sign as text; a text that is not a sign name gives no sign.
std::optional<ZodiacSign> GetMidheavenSign(std::string_view risingSignName);
std::optional<ZodiacSign> GetDescendantSign(std::string_view risingSignName);

std::string_view GetMidheavenDescription(ZodiacSign sign);
std::string_view GetDescendantDescription(ZodiacSign sign);

} // namespace orbis
