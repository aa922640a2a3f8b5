// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Profiles: every attribute of every sign, lookup by name, and choice by the rising sign.
#include "orbis/reading_state.h"
#include "orbis/rising_sign.h"
#include "orbis/sign_profile.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace orbis {
namespace {

// The ten attributes and the picture number; the topic texts have their own tests.
struct Attributes {
    std::string_view Symbol, Element, RulingPlanet, SignColor, TypeofSign, LuckyDays, LuckyNumbers,
        LuckyDirection, LuckyColors, LuckyGemstone;
    int PictureIndex;
    bool operator==(const Attributes&) const = default;
};

Attributes AttributesOf(const SignProfile& p)
{
    return {p.Symbol,      p.Element,       p.RulingPlanet, p.SignColor,
            p.TypeofSign,  p.LuckyDays,     p.LuckyNumbers, p.LuckyDirection,
            p.LuckyColors, p.LuckyGemstone, p.PictureIndex};
}

// A failure shows both records field by field, so a swapped pair is plain to see.
void PrintTo(const Attributes& a, std::ostream* out)
{
    *out << "{Symbol \"" << a.Symbol << "\", Element \"" << a.Element << "\", RulingPlanet \""
         << a.RulingPlanet << "\", SignColor \"" << a.SignColor << "\", TypeofSign \""
         << a.TypeofSign << "\", LuckyDays \"" << a.LuckyDays << "\", LuckyNumbers \""
         << a.LuckyNumbers << "\", LuckyDirection \"" << a.LuckyDirection << "\", LuckyColors \""
         << a.LuckyColors << "\", LuckyGemstone \"" << a.LuckyGemstone << "\", PictureIndex "
         << a.PictureIndex << "}";
}

struct ProfileRow {
    ZodiacSign sign;
    const char* name;
    Attributes expected;
};
void PrintTo(const ProfileRow& row, std::ostream* out)
{
    *out << row.name;
}

class EverySign : public testing::TestWithParam<ProfileRow> {};

TEST_P(EverySign, HasItsAttributesAndPictureAndIsFoundByName)
{
    const ProfileRow& row = GetParam();
    const SignProfile& profile = GetSignProfile(row.sign);
    EXPECT_EQ(AttributesOf(profile), row.expected);
    EXPECT_EQ(GetSignProfile(row.name), &profile);
}

// Written out by hand from the table of sign profiles, not copied from the engine's data.
INSTANTIATE_TEST_SUITE_P(
    Profiles, EverySign,
    testing::Values(
        ProfileRow{ZodiacSign::Aries,
                   "Aries",
                   {"The Ram", "Fire", "Mars", "Red, Brown, Copper", "Movable", "Monday, Tuesday",
                    "9, 1", "East", "Red, Brown, Copper", "Coral", 1}},
        ProfileRow{ZodiacSign::Taurus,
                   "Taurus",
                   {"The Bull", "Earth", "Venus", "White", "Fixed", "Thursday, Friday", "2, 8",
                    "South", "Pink, Green", "Diamond", 2}},
        ProfileRow{ZodiacSign::Gemini,
                   "Gemini",
                   {"The Twins", "Air", "Mercury", "Green", "Mixed", "Monday, Wednesday", "3, 7",
                    "West", "Yellow, Purple, Blue", "Emerald", 3}},
        ProfileRow{ZodiacSign::Cancer,
                   "Cancer",
                   {"The Crab", "Water", "Moon", "Pink", "Movable", "Monday, Thursday", "2, 7, 9",
                    "North", "White, Red, Yellow", "Pearl", 4}},
        ProfileRow{ZodiacSign::Leo,
                   "Leo",
                   {"The Lion", "Fire", "Sun", "White", "Fixed", "Sunday, Monday", "1, 4, 5, 9",
                    "East", "Orange, Red, Green", "Ruby", 5}},
        ProfileRow{ZodiacSign::Virgo,
                   "Virgo",
                   {"The Virgin", "Earth", "Mercury", "Multicolored", "Mixed", "Wednesday, Friday",
                    "2, 3, 5, 6", "South", "Green", "Emerald", 6}},
        ProfileRow{ZodiacSign::Libra,
                   "Libra",
                   {"The Balance", "Air", "Venus", "Black", "Movable",
                    "Friday, Wednesday, Thursday", "1, 2, 4", "West", "White, Green, Yellow",
                    "Diamond", 7}},
        ProfileRow{ZodiacSign::Scorpio,
                   "Scorpio",
                   {"The Scorpion", "Water", "Mars", "Reddish Brown", "Fixed",
                    "Monday, Tuesday, Thursday", "3, 7, 9", "North", "Brown, Red, Yellow, White",
                    "Coral", 8}},
        ProfileRow{ZodiacSign::Sagittarius,
                   "Sagittarius",
                   {"The Archer", "Fire", "Jupiter", "Yellowish brown", "Mixed", "Sunday, Thursday",
                    "3, 5, 6, 8", "East", "Yellow, Gray, Brown", "Yellow Sapphire", 9}},
        ProfileRow{ZodiacSign::Capricorn,
                   "Capricorn",
                   {"The Crocodile", "Earth", "Saturn", "Multicolored", "Movable",
                    "Saturday, Wednesday", "6, 8, 9", "South", "Black, Blue", "Blue Sapphire", 10}},
        ProfileRow{ZodiacSign::Aquarius,
                   "Aquarius",
                   {"The Water Carrier", "Air", "Saturn", "Deep Brown", "Fixed",
                    "Thursday, Friday, Saturday", "2, 3, 7, 9", "West", "Blue, Black",
                    "Blue Sapphire", 11}},
        ProfileRow{ZodiacSign::Pisces,
                   "Pisces",
                   {"The Double Fish", "Water", "Jupiter", "Blue", "Mixed",
                    "Thursday, Monday, Tuesday", "1, 3, 4", "North", "Pink, Cream",
                    "Yellow Sapphire", 12}}),
    [](const testing::TestParamInfo<ProfileRow>& info) { return std::string(info.param.name); });

TEST(SignProfile, ByNameIsExact)
{
    for (std::string_view name : {"aries", " Aries", "Aries ", "", "ARIES", "Capricorn\n"})
        EXPECT_EQ(GetSignProfile(name), nullptr) << name;
}

TEST(SignProfile, ChosenByTheRisingSignNotTheSunSign)
{
    ReadingState state;
    BeginReading(state, 10, 4, "8am-10am");
    FindRisingSign(state, state.currentLookupKey);
    ASSERT_EQ(state.currentSunSign, "Aries");
    const SignProfile* profile = GetSignProfile(state.currentRisingSign);
    ASSERT_NE(profile, nullptr);
    EXPECT_EQ(profile->Symbol, "The Twins");
    EXPECT_EQ(profile->Element, "Air");
    EXPECT_EQ(profile->PictureIndex, 3);
}

} // namespace
} // namespace orbis
