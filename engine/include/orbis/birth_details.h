// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The rules a birth-details entry must pass: the name's characters and a date that exists.
#pragma once

#include <optional>

namespace orbis {

inline constexpr int kFirstYear = 1900;
inline constexpr int kLastYear = 2050;
inline constexpr int kNameMaxLength = 64;

// The character to insert for a typed one: letters in capitals, blank, backspace and Enter as
// they are; no value for anything else.
std::optional<char32_t> FilterNameCharacter(char32_t typed);

// Gregorian: every fourth year, but whole centuries only when divisible by 400.
bool IsLeapYear(int year);

enum class DateCheck {
    Valid,
    NoSuchFebruaryDay, // 29 February outside leap years, 30 and 31 February
    NoThirtyFirstDay,  // 31 April, June, September, November
};

DateCheck CheckBirthDate(int day, int month, int year);

} // namespace orbis
