// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Form, length and distinctness of every descriptive text.
#include "orbis/chart_points.h"
#include "orbis/sign_profile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>

namespace orbis {
namespace {

void ExpectOneCleanParagraph(std::string_view text, const std::string& what)
{
    SCOPED_TRACE(what);
    ASSERT_FALSE(text.empty());
    EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7f; }))
        << "only printable ASCII, no line break";
    EXPECT_NE(text.front(), ' ');
    EXPECT_NE(text.back(), ' ');
    EXPECT_EQ(text.find("  "), std::string_view::npos);
    EXPECT_TRUE(std::string_view(".!").find(text.back()) != std::string_view::npos)
        << "ends a sentence";
}

bool SpeaksToTheReader(std::string_view text)
{
    std::string word;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const char c = i < text.size() ? text[i] : ' ';
        if (std::isalpha(static_cast<unsigned char>(c))) {
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            continue;
        }
        if (word == "you" || word == "your" || word == "yours" || word == "yourself")
            return true;
        word.clear();
    }
    return false;
}

// Lengths per sign: Looks, Nature, CareerandFinance, LoveandDomesticLife, Health.
constexpr std::array<std::array<std::size_t, 5>, 12> kTopicLengths{{
    {185, 883, 175, 210, 122},
    {191, 685, 282, 140, 84},
    {127, 652, 227, 216, 108},
    {136, 619, 186, 220, 166},
    {137, 716, 215, 321, 124},
    {131, 855, 126, 148, 81},
    {150, 769, 156, 184, 96},
    {103, 812, 257, 282, 110},
    {167, 515, 240, 297, 156},
    {107, 726, 167, 326, 93},
    {221, 629, 195, 177, 155},
    {154, 699, 231, 293, 131},
}};
constexpr std::array<std::size_t, 12> kMidheavenLengths{768, 657, 658, 760, 745, 714,
                                                        696, 690, 736, 730, 711, 720};
constexpr std::array<std::size_t, 12> kDescendantLengths{668, 618, 610, 671, 713, 634,
                                                         716, 672, 769, 689, 709, 782};

TEST(Texts, TopicTextsHaveTheirLengthAndForm)
{
    for (std::size_t i = 0; i < 12; ++i) {
        const SignProfile& p = GetSignProfile(static_cast<ZodiacSign>(i));
        const std::array<std::string_view, 5> topics{p.Looks, p.Nature, p.CareerandFinance,
                                                     p.LoveandDomesticLife, p.Health};
        for (std::size_t t = 0; t < topics.size(); ++t) {
            const std::string what = std::string(SignNames()[i]) + " topic " + std::to_string(t);
            EXPECT_EQ(topics[t].size(), kTopicLengths[i][t]) << what;
            ExpectOneCleanParagraph(topics[t], what);
            EXPECT_TRUE(SpeaksToTheReader(topics[t])) << what;
        }
        EXPECT_EQ(p.Nature.size(),
                  std::max({p.Looks.size(), p.Nature.size(), p.CareerandFinance.size(),
                            p.LoveandDomesticLife.size(), p.Health.size()}));
    }
}

TEST(Texts, DescriptionsHaveTheirLengthFormAndVoice)
{
    for (std::size_t i = 0; i < 12; ++i) {
        const auto sign = static_cast<ZodiacSign>(i);
        const std::string name(SignNames()[i]);
        const std::string_view midheaven = GetMidheavenDescription(sign);
        const std::string_view descendant = GetDescendantDescription(sign);
        EXPECT_EQ(midheaven.size(), kMidheavenLengths[i]) << name;
        EXPECT_EQ(descendant.size(), kDescendantLengths[i]) << name;
        ExpectOneCleanParagraph(midheaven, name + " midheaven");
        ExpectOneCleanParagraph(descendant, name + " descendant");
        // Midheaven texts speak of other people, descendant texts to the reader; each names its
        // sign.
        EXPECT_FALSE(SpeaksToTheReader(midheaven)) << name;
        EXPECT_NE(midheaven.find("Midheaven in " + name), std::string_view::npos) << name;
        EXPECT_TRUE(SpeaksToTheReader(descendant)) << name;
        EXPECT_NE(descendant.find(name), std::string_view::npos) << name;
    }
}

TEST(Texts, AllEightyFourAreDifferent)
{
    std::set<std::string_view> seen;
    for (int i = 0; i < kSignCount; ++i) {
        const auto sign = static_cast<ZodiacSign>(i);
        const SignProfile& p = GetSignProfile(sign);
        for (std::string_view text :
             {p.Looks, p.Nature, p.CareerandFinance, p.LoveandDomesticLife, p.Health,
              GetMidheavenDescription(sign), GetDescendantDescription(sign)})
            seen.insert(text);
    }
    EXPECT_EQ(seen.size(), 84u);
}

} // namespace
} // namespace orbis
