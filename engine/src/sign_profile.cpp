// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The ten attributes of each sign, joined with its topic texts into one profile.
#include "orbis/sign_profile.h"

#include "reading_texts.h"

#include <array>

namespace orbis {
namespace {

struct Attributes {
    std::string_view symbol;
    std::string_view element;
    std::string_view rulingPlanet;
    std::string_view signColor;
    std::string_view typeofSign;
    std::string_view luckyDays;
    std::string_view luckyNumbers;
    std::string_view luckyDirection;
    std::string_view luckyColors;
    std::string_view luckyGemstone;
};

// clang-format off
constexpr std::array<Attributes, kSignCount> kAttributes{{
    {"The Ram", "Fire", "Mars", "Red, Brown, Copper", "Movable", "Monday, Tuesday", "9, 1", "East", "Red, Brown, Copper", "Coral"},
    {"The Bull", "Earth", "Venus", "White", "Fixed", "Thursday, Friday", "2, 8", "South", "Pink, Green", "Diamond"},
    {"The Twins", "Air", "Mercury", "Green", "Mixed", "Monday, Wednesday", "3, 7", "West", "Yellow, Purple, Blue", "Emerald"},
    {"The Crab", "Water", "Moon", "Pink", "Movable", "Monday, Thursday", "2, 7, 9", "North", "White, Red, Yellow", "Pearl"},
    {"The Lion", "Fire", "Sun", "White", "Fixed", "Sunday, Monday", "1, 4, 5, 9", "East", "Orange, Red, Green", "Ruby"},
    {"The Virgin", "Earth", "Mercury", "Multicolored", "Mixed", "Wednesday, Friday", "2, 3, 5, 6", "South", "Green", "Emerald"},
    {"The Balance", "Air", "Venus", "Black", "Movable", "Friday, Wednesday, Thursday", "1, 2, 4", "West", "White, Green, Yellow", "Diamond"},
    {"The Scorpion", "Water", "Mars", "Reddish Brown", "Fixed", "Monday, Tuesday, Thursday", "3, 7, 9", "North", "Brown, Red, Yellow, White", "Coral"},
    {"The Archer", "Fire", "Jupiter", "Yellowish brown", "Mixed", "Sunday, Thursday", "3, 5, 6, 8", "East", "Yellow, Gray, Brown", "Yellow Sapphire"},
    {"The Crocodile", "Earth", "Saturn", "Multicolored", "Movable", "Saturday, Wednesday", "6, 8, 9", "South", "Black, Blue", "Blue Sapphire"},
    {"The Water Carrier", "Air", "Saturn", "Deep Brown", "Fixed", "Thursday, Friday, Saturday", "2, 3, 7, 9", "West", "Blue, Black", "Blue Sapphire"},
    {"The Double Fish", "Water", "Jupiter", "Blue", "Mixed", "Thursday, Monday, Tuesday", "1, 3, 4", "North", "Pink, Cream", "Yellow Sapphire"},
}};
// clang-format on

const std::array<SignProfile, kSignCount>& Profiles()
{
    // Built on first use: the texts live in another translation unit.
    static const std::array<SignProfile, kSignCount> profiles = [] {
        std::array<SignProfile, kSignCount> built{};
        for (std::size_t i = 0; i < built.size(); ++i) {
            const Attributes& a = kAttributes[i];
            const texts::TopicTexts& t = texts::kTopicTexts[i];
            built[i] = SignProfile{
                t.looks,          t.nature,       t.careerAndFinance, t.loveAndDomesticLife,
                t.health,         a.rulingPlanet, a.symbol,           a.element,
                a.signColor,      a.typeofSign,   a.luckyDays,        a.luckyNumbers,
                a.luckyDirection, a.luckyColors,  a.luckyGemstone,    static_cast<int>(i) + 1};
        }
        return built;
    }();
    return profiles;
}

} // namespace

const SignProfile& GetSignProfile(ZodiacSign sign)
{
    return Profiles().at(static_cast<std::size_t>(sign));
}

const SignProfile* GetSignProfile(std::string_view signName)
{
    const auto sign = SignFromName(signName);
    return sign ? &GetSignProfile(*sign) : nullptr;
}

} // namespace orbis
