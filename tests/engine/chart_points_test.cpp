// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Midheaven and descendant shifts, whole readings and the descriptions they pick.
#include "orbis/chart_points.h"
#include "orbis/reading_state.h"
#include "orbis/rising_sign.h"

#include <gtest/gtest.h>

#include <string>

namespace orbis {
namespace {

using S = ZodiacSign;

TEST(Shifts, FullTablesForEveryRisingSign)
{
    const std::array<S, 12> midheaven{S::Capricorn, S::Aquarius, S::Pisces,  S::Aries,
                                      S::Taurus,    S::Gemini,   S::Cancer,  S::Leo,
                                      S::Virgo,     S::Libra,    S::Scorpio, S::Sagittarius};
    const std::array<S, 12> descendant{S::Libra,    S::Scorpio, S::Sagittarius, S::Capricorn,
                                       S::Aquarius, S::Pisces,  S::Aries,       S::Taurus,
                                       S::Gemini,   S::Cancer,  S::Leo,         S::Virgo};
    for (std::size_t i = 0; i < 12; ++i) {
        EXPECT_EQ(GetMidheavenSign(SignNames()[i]), midheaven[i]) << SignNames()[i];
        EXPECT_EQ(GetDescendantSign(SignNames()[i]), descendant[i]) << SignNames()[i];
        // The opposite of the opposite is the sign itself.
        EXPECT_EQ(GetDescendantSign(SignName(descendant[i])), static_cast<S>(i));
    }
}

TEST(Shifts, NoSignForTextsThatAreNotSignNames)
{
    for (std::string_view text : {"aries", "Aries ", "", "Capricorn-4am-6am"}) {
        EXPECT_FALSE(GetMidheavenSign(text)) << text;
        EXPECT_FALSE(GetDescendantSign(text)) << text;
    }
}

// Places forward from the sun sign for each band, in list order.
constexpr std::array<int, 12> kMidheavenRoad{9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 11, 10};
constexpr std::array<int, 12> kDescendantRoad{6, 5, 4, 3, 2, 1, 0, 11, 10, 9, 8, 7};

TEST(WholeReadings, EveryPairFollowsTheRoadFromTheSunSign)
{
    for (int k = 0; k < 12; ++k) {
        for (int s = 0; s < 12; ++s) {
            ReadingState state;
            const auto sun = static_cast<S>(s);
            FindRisingSign(state,
                           MakeLookupKey(SignName(sun), BandLabels()[static_cast<std::size_t>(k)]));
            EXPECT_EQ(GetMidheavenSign(state.currentRisingSign),
                      MoveSign(sun, kMidheavenRoad[static_cast<std::size_t>(k)]));
            EXPECT_EQ(GetDescendantSign(state.currentRisingSign),
                      MoveSign(sun, kDescendantRoad[static_cast<std::size_t>(k)]));
        }
    }
}

TEST(WholeReadings, EdgeCases)
{
    struct Case {
        const char* key;
        S midheaven;
        S descendant;
    };
    for (const Case& c :
         {Case{"Aries-4am-6am", S::Capricorn, S::Libra}, Case{"Leo-10am-noon", S::Leo, S::Taurus},
          Case{"Pisces-2am-4am", S::Scorpio, S::Leo},
          Case{"Cancer-6am-8am", S::Taurus, S::Aquarius}}) {
        ReadingState state;
        FindRisingSign(state, c.key);
        EXPECT_EQ(GetMidheavenSign(state.currentRisingSign), c.midheaven) << c.key;
        EXPECT_EQ(GetDescendantSign(state.currentRisingSign), c.descendant) << c.key;
    }
    ReadingState state;
    FindRisingSign(state, "Aries-4am-6am");
    EXPECT_EQ(PictureNumber(*GetMidheavenSign(state.currentRisingSign)), 10);
    EXPECT_EQ(PictureNumber(*GetDescendantSign(state.currentRisingSign)), 7);
    EXPECT_NE(GetMidheavenDescription(S::Capricorn), GetMidheavenDescription(S::Aries));
}

TEST(WholeReadings, UnmatchedKeyWorksOnTheEarlierRisingSign)
{
    ReadingState state;
    FindRisingSign(state, "-4am-6am");
    EXPECT_FALSE(GetMidheavenSign(state.currentRisingSign));
    FindRisingSign(state, "Leo-10am-noon");
    FindRisingSign(state, "leo-10am-noon");
    EXPECT_EQ(GetDescendantSign(state.currentRisingSign), S::Taurus);
}

} // namespace
} // namespace orbis
