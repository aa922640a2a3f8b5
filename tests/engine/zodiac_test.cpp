// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Sign and band names, the birth-details lists and the sun-sign rule.
#include "orbis/zodiac.h"

#include <gtest/gtest.h>

#include <ostream>

#include <climits>
#include <string>

namespace orbis {
namespace {

TEST(SignNames, RoundTripAndRejectNearMisses)
{
    for (int i = 0; i < kSignCount; ++i) {
        const auto sign = static_cast<ZodiacSign>(i);
        EXPECT_EQ(SignFromName(SignName(sign)), sign);
        EXPECT_EQ(PictureNumber(sign), i + 1);
        const std::string name(SignName(sign));
        std::string lower = name;
        lower[0] = static_cast<char>(lower[0] - 'A' + 'a');
        for (const std::string& nearMiss :
             {lower, name + " ", " " + name, name.substr(1), std::string()})
            EXPECT_FALSE(SignFromName(nearMiss)) << '"' << nearMiss << '"';
    }
    EXPECT_EQ(SignName(ZodiacSign::Aries), "Aries");
    EXPECT_EQ(SignName(ZodiacSign::Sagittarius), "Sagittarius");
    EXPECT_EQ(SignName(ZodiacSign::Pisces), "Pisces");
}

TEST(BandLabels, ListOrderRunsBackwardsFromFourAm)
{
    const std::array<std::string_view, 12> expected{
        "4am-6am", "2am-4am", "midnight-2am", "10pm-midnight", "8pm-10pm", "6pm-8pm",
        "4pm-6pm", "2pm-4pm", "noon-2pm",     "10am-noon",     "8am-10am", "6am-8am"};
    EXPECT_EQ(BandLabels(), expected);
    for (int i = 0; i < 12; ++i) {
        const auto band = static_cast<BirthTimeBand>(i);
        EXPECT_EQ(BandLabel(band), expected[static_cast<std::size_t>(i)]);
        EXPECT_EQ(BandFromLabel(expected[static_cast<std::size_t>(i)]), band);
    }
    for (std::string_view nearMiss : {"4AM-6AM", "4am - 6am", " 4am-6am", "12am-2am", "", "noon"})
        EXPECT_FALSE(BandFromLabel(nearMiss)) << nearMiss;
}

TEST(Lists, MonthsAndDays)
{
    EXPECT_EQ(MonthNames().front(), "January");
    EXPECT_EQ(MonthNames()[1], "February");
    EXPECT_EQ(MonthNames().back(), "December");
    for (std::size_t i = 0; i < DayTexts().size(); ++i)
        EXPECT_EQ(DayTexts()[i], std::to_string(i + 1));
}

TEST(MoveSign, WrapsBothWays)
{
    EXPECT_EQ(MoveSign(ZodiacSign::Pisces, 1), ZodiacSign::Aries);
    EXPECT_EQ(MoveSign(ZodiacSign::Aries, -1), ZodiacSign::Pisces);
    EXPECT_EQ(MoveSign(ZodiacSign::Aries, -3), ZodiacSign::Capricorn);
    EXPECT_EQ(MoveSign(ZodiacSign::Leo, 6), ZodiacSign::Aquarius);
    EXPECT_EQ(MoveSign(ZodiacSign::Leo, 24), ZodiacSign::Leo);
    EXPECT_EQ(MoveSign(ZodiacSign::Leo, -25), ZodiacSign::Cancer);
    EXPECT_EQ(MoveSign(ZodiacSign::Leo, INT_MAX), MoveSign(ZodiacSign::Leo, INT_MAX % 12));
    EXPECT_EQ(MoveSign(ZodiacSign::Leo, INT_MIN), MoveSign(ZodiacSign::Leo, INT_MIN % 12));
}

// Written out independently of the engine's own table: (month, last day of first part, signs).
struct SplitRow {
    int month;
    int lastDayOfFirstPart;
    ZodiacSign first;
    ZodiacSign second;
};
void PrintTo(const SplitRow& row, std::ostream* out)
{
    *out << MonthNames()[static_cast<std::size_t>(row.month - 1)];
}

class SunSignByMonth : public testing::TestWithParam<SplitRow> {};

TEST_P(SunSignByMonth, EveryDayPositionFallsOnItsSideOfTheSplit)
{
    const SplitRow row = GetParam();
    for (int day = 1; day <= 31; ++day) {
        const ZodiacSign expected = day <= row.lastDayOfFirstPart ? row.first : row.second;
        EXPECT_EQ(GetSunSign(day, row.month), expected) << day << "/" << row.month;
    }
}

// "January_Capricorn_Aquarius": the month and the two signs it is split between.
std::string SplitRowName(const testing::TestParamInfo<SplitRow>& info)
{
    const SplitRow& row = info.param;
    return std::string(MonthNames()[static_cast<std::size_t>(row.month - 1)]) + "_" +
           std::string(SignName(row.first)) + "_" + std::string(SignName(row.second));
}

INSTANTIATE_TEST_SUITE_P(
    AllMonths, SunSignByMonth,
    testing::Values(SplitRow{1, 19, ZodiacSign::Capricorn, ZodiacSign::Aquarius},
                    SplitRow{2, 18, ZodiacSign::Aquarius, ZodiacSign::Pisces},
                    SplitRow{3, 20, ZodiacSign::Pisces, ZodiacSign::Aries},
                    SplitRow{4, 20, ZodiacSign::Aries, ZodiacSign::Taurus},
                    SplitRow{5, 20, ZodiacSign::Taurus, ZodiacSign::Gemini},
                    SplitRow{6, 20, ZodiacSign::Gemini, ZodiacSign::Cancer},
                    SplitRow{7, 20, ZodiacSign::Cancer, ZodiacSign::Leo},
                    SplitRow{8, 20, ZodiacSign::Leo, ZodiacSign::Virgo},
                    SplitRow{9, 20, ZodiacSign::Virgo, ZodiacSign::Libra},
                    SplitRow{10, 20, ZodiacSign::Libra, ZodiacSign::Scorpio},
                    SplitRow{11, 20, ZodiacSign::Scorpio, ZodiacSign::Sagittarius},
                    SplitRow{12, 20, ZodiacSign::Sagittarius, ZodiacSign::Capricorn}),
    SplitRowName);

TEST(SunSign, OutOfRangeGivesNoSign)
{
    for (auto [day, month] : {std::pair{0, 1}, {32, 1}, {1, 0}, {1, 13}, {-1, 5}, {15, -3}})
        EXPECT_FALSE(GetSunSign(day, month)) << day << "/" << month;
}

TEST(SunSign, ImpossibleDatesStillAnswerByRange)
{
    EXPECT_EQ(GetSunSign(30, 2), ZodiacSign::Pisces);
    EXPECT_EQ(GetSunSign(31, 4), ZodiacSign::Taurus);
}

} // namespace
} // namespace orbis
