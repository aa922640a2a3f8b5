// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The rising sign table, its lookup and the shared reading values.
#include "orbis/reading_state.h"
#include "orbis/rising_sign.h"
#include "orbis/zodiac.h"

#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <set>
#include <string>

namespace orbis {
namespace {

TEST(RisingSignTable, BlockOrderKeysAndTheBackwardsRule)
{
    std::set<std::string_view> keys;
    for (int k = 0; k < 12; ++k) {
        for (int s = 0; s < 12; ++s) {
            const RisingSignEntry& entry = RisingSignTable[static_cast<std::size_t>(12 * k + s)];
            const std::string key = std::string(SignNames()[static_cast<std::size_t>(s)]) + "-" +
                                    std::string(BandLabels()[static_cast<std::size_t>(k)]);
            EXPECT_EQ(entry.key, key);
            EXPECT_EQ(entry.sign, SignNames()[static_cast<std::size_t>(((s - k) % 12 + 12) % 12)]);
            keys.insert(entry.key);
        }
    }
    EXPECT_EQ(keys.size(), kRisingSignEntries);
}

TEST(FindRisingSign, EveryPairFindsItsSign)
{
    for (int k = 0; k < 12; ++k) {
        for (int s = 0; s < 12; ++s) {
            ReadingState state;
            const auto sun = static_cast<ZodiacSign>(s);
            FindRisingSign(state,
                           MakeLookupKey(SignName(sun), BandLabel(static_cast<BirthTimeBand>(k))));
            EXPECT_EQ(state.currentRisingSign, SignName(MoveSign(sun, -k)));
        }
    }
}

struct KeyCase {
    const char* key;
    const char* rising;
};
void PrintTo(const KeyCase& c, std::ostream* out)
{
    *out << '"' << c.key << '"';
}

class PrintedTable : public testing::TestWithParam<KeyCase> {};

TEST_P(PrintedTable, SampleCells)
{
    ReadingState state;
    FindRisingSign(state, GetParam().key);
    EXPECT_EQ(state.currentRisingSign, GetParam().rising);
}

// "Aries_6am_8am": the key itself, with the dashes that test names may not hold.
std::string KeyCaseName(const testing::TestParamInfo<KeyCase>& info)
{
    std::string name = info.param.key;
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(
    Cells, PrintedTable,
    testing::Values(KeyCase{"Aries-4am-6am", "Aries"}, KeyCase{"Aries-6am-8am", "Taurus"},
                    KeyCase{"Aries-2am-4am", "Pisces"}, KeyCase{"Leo-10am-noon", "Scorpio"},
                    KeyCase{"Leo-8pm-10pm", "Aries"}, KeyCase{"Pisces-6am-8am", "Aries"},
                    KeyCase{"Capricorn-midnight-2am", "Scorpio"},
                    KeyCase{"Gemini-noon-2pm", "Libra"}, KeyCase{"Virgo-10am-noon", "Sagittarius"},
                    KeyCase{"Sagittarius-midnight-2am", "Libra"}),
    KeyCaseName);

// Blanks, case and stray characters cannot go into a test name, so each near miss is named.
struct NearMiss {
    const char* name;
    std::string key;
};
void PrintTo(const NearMiss& c, std::ostream* out)
{
    *out << c.name;
}

class NearMissKey : public testing::TestWithParam<NearMiss> {};

TEST_P(NearMissKey, MatchesNothingAndKeepsTheEarlierValue)
{
    const std::string& key = GetParam().key;
    ReadingState state;
    FindRisingSign(state, key);
    EXPECT_EQ(state.currentRisingSign, "");
    FindRisingSign(state, "Aries-6am-8am");
    ASSERT_EQ(state.currentRisingSign, "Taurus");
    FindRisingSign(state, key);
    EXPECT_EQ(state.currentRisingSign, "Taurus");
}

INSTANTIATE_TEST_SUITE_P(
    Keys, NearMissKey,
    testing::Values(NearMiss{"SignInLowerCase", "aries-6am-8am"},
                    NearMiss{"BandInCapitals", "Aries-6AM-8AM"},
                    NearMiss{"BlanksRoundTheDash", "Aries - 6am-8am"},
                    NearMiss{"BlankBeforeTheDash", "Aries -6am-8am"},
                    NearMiss{"LeadingBlank", " Aries-6am-8am"},
                    NearMiss{"TrailingBlank", "Aries-6am-8am "}, NearMiss{"NoSign", "-4am-6am"},
                    NearMiss{"LetterAfterTheBand", "Aries-4am-6amx"},
                    NearMiss{"DashAfterTheBand", "Aries-4am-6am-"}, NearMiss{"NoBand", "Aries-"},
                    NearMiss{"SignAlone", "Aries"}, NearMiss{"Empty", ""},
                    NearMiss{"BandNotInTheList", "Aries-12am-2am"},
                    NearMiss{"TrailingNul", std::string("Aries-4am-6am\0", 14)}),
    [](const testing::TestParamInfo<NearMiss>& info) { return std::string(info.param.name); });

TEST(BeginReading, StoresSunSignBandAndKey)
{
    ReadingState state;
    BeginReading(state, 1, 1, "4am-6am");
    EXPECT_EQ(state.currentSunSign, "Capricorn");
    EXPECT_EQ(state.currentBandLabel, "4am-6am");
    EXPECT_EQ(state.currentLookupKey, "Capricorn-4am-6am");
    EXPECT_EQ(state.currentRisingSign, "");

    BeginReading(state, 14, 6, "2pm-4pm");
    EXPECT_EQ(state.currentLookupKey, "Gemini-2pm-4pm");
}

TEST(BeginReading, DateWithoutSignKeepsTheEarlierSunSign)
{
    ReadingState fresh;
    BeginReading(fresh, 0, 1, "4am-6am");
    EXPECT_EQ(fresh.currentSunSign, "");
    EXPECT_EQ(fresh.currentLookupKey, "-4am-6am");
    FindRisingSign(fresh, fresh.currentLookupKey);
    EXPECT_EQ(fresh.currentRisingSign, "");

    ReadingState used;
    BeginReading(used, 5, 4, "6am-8am");
    BeginReading(used, 1, 13, "noon-2pm");
    EXPECT_EQ(used.currentSunSign, "Aries");
    EXPECT_EQ(used.currentLookupKey, "Aries-noon-2pm");
}

} // namespace
} // namespace orbis
