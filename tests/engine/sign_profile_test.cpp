// Profiles: attribute literals, the regularities they obey, and lookup by name.
#include "orbis/reading_state.h"
#include "orbis/rising_sign.h"
#include "orbis/sign_profile.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace orbis {
namespace {

TEST(SignProfile, SelectedLiterals)
{
    const SignProfile& capricorn = GetSignProfile(ZodiacSign::Capricorn);
    EXPECT_EQ(capricorn.Symbol, "The Crocodile");
    EXPECT_EQ(capricorn.Element, "Earth");
    EXPECT_EQ(capricorn.RulingPlanet, "Saturn");
    EXPECT_EQ(capricorn.TypeofSign, "Movable");
    EXPECT_EQ(capricorn.PictureIndex, 10);

    const SignProfile& aries = GetSignProfile(ZodiacSign::Aries);
    EXPECT_EQ(aries.SignColor, "Red, Brown, Copper");
    EXPECT_EQ(aries.LuckyColors, "Red, Brown, Copper");
    EXPECT_EQ(aries.LuckyNumbers, "9, 1");
    EXPECT_EQ(GetSignProfile(ZodiacSign::Sagittarius).SignColor, "Yellowish brown");
    EXPECT_EQ(GetSignProfile(ZodiacSign::Scorpio).SignColor, "Reddish Brown");
    EXPECT_EQ(GetSignProfile(ZodiacSign::Pisces).LuckyDays, "Thursday, Monday, Tuesday");
    EXPECT_EQ(GetSignProfile(ZodiacSign::Aquarius).Symbol, "The Water Carrier");
    EXPECT_EQ(GetSignProfile(ZodiacSign::Scorpio).LuckyColors, "Brown, Red, Yellow, White");
    EXPECT_EQ(GetSignProfile(ZodiacSign::Libra).LuckyDays, "Friday, Wednesday, Thursday");
    EXPECT_EQ(GetSignProfile(ZodiacSign::Sagittarius).LuckyGemstone, "Yellow Sapphire");
    EXPECT_EQ(GetSignProfile(ZodiacSign::Leo).LuckyNumbers, "1, 4, 5, 9");
}

TEST(SignProfile, TraditionalRegularities)
{
    const std::map<std::string_view, std::string_view> directionOfElement{
        {"Fire", "East"}, {"Earth", "South"}, {"Air", "West"}, {"Water", "North"}};
    const std::array<std::string_view, 4> elements{"Fire", "Earth", "Air", "Water"};
    const std::array<std::string_view, 3> types{"Movable", "Fixed", "Mixed"};
    const std::array<std::string_view, 12> rulers{"Mars",  "Venus", "Mercury", "Moon",
                                                  "Sun",   "Mercury", "Venus", "Mars",
                                                  "Jupiter", "Saturn", "Saturn", "Jupiter"};
    for (int i = 0; i < kSignCount; ++i) {
        const SignProfile& p = GetSignProfile(static_cast<ZodiacSign>(i));
        EXPECT_EQ(p.Element, elements[static_cast<std::size_t>(i % 4)]) << i;
        EXPECT_EQ(p.TypeofSign, types[static_cast<std::size_t>(i % 3)]) << i;
        EXPECT_EQ(p.LuckyDirection, directionOfElement.at(p.Element)) << i;
        EXPECT_EQ(p.RulingPlanet, rulers[static_cast<std::size_t>(i)]) << i;
        EXPECT_EQ(p.PictureIndex, i + 1);
        EXPECT_EQ(GetSignProfile(SignNames()[static_cast<std::size_t>(i)]), &p);
    }
}

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
