// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Name characters and the date rules of the birth-details entry.
#include "orbis/birth_details.h"
#include "orbis/zodiac.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>

namespace orbis {
namespace {

TEST(NameFilter, EveryCharacterOfTheFirst256AndBeyond)
{
    for (char32_t c = 0; c < 256; ++c) {
        const auto kept = FilterNameCharacter(c);
        if (c >= 'A' && c <= 'Z')
            EXPECT_EQ(kept, c);
        else if (c >= 'a' && c <= 'z')
            EXPECT_EQ(kept, c - 32);
        else if (c == 8 || c == 13 || c == 32)
            EXPECT_EQ(kept, c);
        else
            EXPECT_FALSE(kept) << static_cast<unsigned>(c);
    }
    for (char32_t c : {U'\u00e9', U'\u00c9', U'\u0416', U'\u4e2d', U'\U0001F600', U'\u00a0'})
        EXPECT_FALSE(FilterNameCharacter(c)) << static_cast<unsigned>(c);
}

TEST(LeapYear, GregorianRuleOverTheYearList)
{
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        const bool expected = year % 4 == 0 && year != 1900;
        EXPECT_EQ(IsLeapYear(year), expected) << year;
    }
}

struct DateCase {
    int day, month, year;
    DateCheck expected;
};
// A failure prints the date, not the bytes of the case.
void PrintTo(const DateCase& c, std::ostream* out)
{
    *out << c.day << "/" << c.month << "/" << c.year;
}

class BirthDate : public testing::TestWithParam<DateCase> {};

TEST_P(BirthDate, Check)
{
    const DateCase c = GetParam();
    EXPECT_EQ(CheckBirthDate(c.day, c.month, c.year), c.expected)
        << c.day << "/" << c.month << "/" << c.year;
}

// "February29_1900_Refused": what CTest lists, so a failing date reads at a glance.
std::string DateCaseName(const testing::TestParamInfo<DateCase>& info)
{
    const DateCase& c = info.param;
    return std::string(MonthNames()[static_cast<std::size_t>(c.month - 1)]) +
           std::to_string(c.day) + "_" + std::to_string(c.year) +
           (c.expected == DateCheck::Valid ? "_Accepted" : "_Refused");
}

INSTANTIATE_TEST_SUITE_P(Dates, BirthDate,
                         testing::Values(DateCase{29, 2, 1900, DateCheck::NoSuchFebruaryDay},
                                         DateCase{29, 2, 1904, DateCheck::Valid},
                                         DateCase{29, 2, 2000, DateCheck::Valid},
                                         DateCase{29, 2, 2048, DateCheck::Valid},
                                         DateCase{29, 2, 1901, DateCheck::NoSuchFebruaryDay},
                                         DateCase{29, 2, 2001, DateCheck::NoSuchFebruaryDay},
                                         DateCase{29, 2, 2050, DateCheck::NoSuchFebruaryDay},
                                         DateCase{30, 2, 2000, DateCheck::NoSuchFebruaryDay},
                                         DateCase{31, 2, 2048, DateCheck::NoSuchFebruaryDay},
                                         DateCase{28, 2, 1900, DateCheck::Valid},
                                         DateCase{31, 4, 1990, DateCheck::NoThirtyFirstDay},
                                         DateCase{31, 6, 1990, DateCheck::NoThirtyFirstDay},
                                         DateCase{31, 9, 1990, DateCheck::NoThirtyFirstDay},
                                         DateCase{31, 11, 1990, DateCheck::NoThirtyFirstDay},
                                         DateCase{30, 4, 1990, DateCheck::Valid},
                                         DateCase{31, 5, 1990, DateCheck::Valid},
                                         DateCase{31, 12, 2050, DateCheck::Valid},
                                         DateCase{1, 1, 1900, DateCheck::Valid}),
                         DateCaseName);

} // namespace
} // namespace orbis
