// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Name characters and date rules of the birth-details entry.
#include "orbis/birth_details.h"

namespace orbis {

std::optional<char32_t> FilterNameCharacter(char32_t typed)
{
    if (typed >= U'A' && typed <= U'Z')
        return typed;
    if (typed >= U'a' && typed <= U'z')
        return typed - (U'a' - U'A');
    if (typed == U'\b' || typed == U'\r' || typed == U' ')
        return typed;
    return std::nullopt;
}

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

DateCheck CheckBirthDate(int day, int month, int year)
{
    if (month == 2 && day > (IsLeapYear(year) ? 29 : 28))
        return DateCheck::NoSuchFebruaryDay;
    if ((month == 4 || month == 6 || month == 9 || month == 11) && day == 31)
        return DateCheck::NoThirtyFirstDay;
    return DateCheck::Valid;
}

} // namespace orbis
