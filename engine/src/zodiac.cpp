// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Names of signs, bands, months and days, and the sun-sign rule.
#include "orbis/zodiac.h"

namespace orbis {
namespace {

constexpr std::array<std::string_view, kSignCount> kSignNames{
    "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces",
};

constexpr std::array<std::string_view, kSignCount> kBandLabels{
    "4am-6am", "2am-4am", "midnight-2am", "10pm-midnight", "8pm-10pm", "6pm-8pm",
    "4pm-6pm", "2pm-4pm", "noon-2pm",     "10am-noon",     "8am-10am", "6am-8am",
};

constexpr std::array<std::string_view, 12> kMonthNames{
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December",
};

constexpr std::array<std::string_view, 31> kDayTexts{
    "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10", "11", "12", "13", "14", "15", "16",
    "17", "18", "19", "20", "21", "22", "23", "24", "25", "26", "27", "28", "29", "30", "31",
};

// For each month: the last day of the sign that reigns at its start; the next sign follows.
struct MonthSplit {
    int lastDayOfFirstPart;
    ZodiacSign firstSign;
};

constexpr std::array<MonthSplit, 12> kMonthSplits{{
    {19, ZodiacSign::Capricorn},
    {18, ZodiacSign::Aquarius},
    {20, ZodiacSign::Pisces},
    {20, ZodiacSign::Aries},
    {20, ZodiacSign::Taurus},
    {20, ZodiacSign::Gemini},
    {20, ZodiacSign::Cancer},
    {20, ZodiacSign::Leo},
    {20, ZodiacSign::Virgo},
    {20, ZodiacSign::Libra},
    {20, ZodiacSign::Scorpio},
    {20, ZodiacSign::Sagittarius},
}};

template <typename Enum, std::size_t N>
std::optional<Enum> FindByText(const std::array<std::string_view, N>& texts, std::string_view text)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (texts[i] == text)
            return static_cast<Enum>(i);
    }
    return std::nullopt;
}

} // namespace

const std::array<std::string_view, kSignCount>& SignNames()
{
    return kSignNames;
}
const std::array<std::string_view, kSignCount>& BandLabels()
{
    return kBandLabels;
}
const std::array<std::string_view, 12>& MonthNames()
{
    return kMonthNames;
}
const std::array<std::string_view, 31>& DayTexts()
{
    return kDayTexts;
}

std::string_view SignName(ZodiacSign sign)
{
    return kSignNames.at(static_cast<std::size_t>(sign));
}
std::string_view BandLabel(BirthTimeBand band)
{
    return kBandLabels.at(static_cast<std::size_t>(band));
}

std::optional<ZodiacSign> SignFromName(std::string_view name)
{
    return FindByText<ZodiacSign>(kSignNames, name);
}

std::optional<BirthTimeBand> BandFromLabel(std::string_view label)
{
    return FindByText<BirthTimeBand>(kBandLabels, label);
}

std::optional<ZodiacSign> GetSunSign(int day, int month)
{
    if (day < 1 || day > 31 || month < 1 || month > 12)
        return std::nullopt;
    const MonthSplit& split = kMonthSplits[static_cast<std::size_t>(month - 1)];
    return day <= split.lastDayOfFirstPart ? split.firstSign : MoveSign(split.firstSign, 1);
}

} // namespace orbis
