// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Signs, birth-time bands, the birth-details lists and the sun-sign rule.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace orbis {

inline constexpr int kSignCount = 12;

// Numbered in the traditional order; a sign's picture number is its number plus one.
enum class ZodiacSign : std::uint8_t {
    Aries,
    Taurus,
    Gemini,
    Cancer,
    Leo,
    Virgo,
    Libra,
    Scorpio,
    Sagittarius,
    Capricorn,
    Aquarius,
    Pisces,
};

// Numbered by position in the time list, which starts at 4am and runs backwards through the day.
enum class BirthTimeBand : std::uint8_t {
    FourToSixAm,
    TwoToFourAm,
    MidnightToTwoAm,
    TenPmToMidnight,
    EightToTenPm,
    SixToEightPm,
    FourToSixPm,
    TwoToFourPm,
    NoonToTwoPm,
    TenAmToNoon,
    EightToTenAm,
    SixToEightAm,
};

constexpr int SignNumber(ZodiacSign sign)
{
    return static_cast<int>(sign);
}
constexpr int PictureNumber(ZodiacSign sign)
{
    return SignNumber(sign) + 1;
}
constexpr int BandNumber(BirthTimeBand band)
{
    return static_cast<int>(band);
}

// Moves forward (places > 0) or back (places < 0) round the zodiac.
constexpr ZodiacSign MoveSign(ZodiacSign sign, int places)
{
    // Reduce first, so that no count of places can overflow.
    const int moved = (SignNumber(sign) + places % kSignCount + kSignCount) % kSignCount;
    return static_cast<ZodiacSign>(moved);
}

const std::array<std::string_view, kSignCount>& SignNames();
const std::array<std::string_view, kSignCount>& BandLabels();
const std::array<std::string_view, 12>& MonthNames();
const std::array<std::string_view, 31>& DayTexts();

std::string_view SignName(ZodiacSign sign);
std::string_view BandLabel(BirthTimeBand band);

// Exact, case-sensitive, whole-text matches; anything else is no sign or band.
std::optional<ZodiacSign> SignFromName(std::string_view name);
std::optional<BirthTimeBand> BandFromLabel(std::string_view label);

// Day 1..31, month 1..12; no sign outside those ranges. Impossible dates still get an answer.
std::optional<ZodiacSign> GetSunSign(int day, int month);

} // namespace orbis
