// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the name filter over any code points, read four bytes at a time.
#include "fuzz_check.h"

#include "orbis/birth_details.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

bool IsUpper(char32_t c)
{
    return c >= U'A' && c <= U'Z';
}
bool IsLower(char32_t c)
{
    return c >= U'a' && c <= U'z';
}
bool IsKept(char32_t c)
{
    return c == U' ' || c == U'\b' || c == U'\r';
}

void Check(char32_t typed)
{
    const auto inserted = orbis::FilterNameCharacter(typed);
    FUZZ_CHECK(inserted.has_value() == (IsUpper(typed) || IsLower(typed) || IsKept(typed)));
    if (!inserted)
        return;
    FUZZ_CHECK(IsUpper(*inserted) || IsKept(*inserted));
    if (IsLower(typed))
        FUZZ_CHECK(*inserted == typed - U'a' + U'A');
    else
        FUZZ_CHECK(*inserted == typed);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::size_t at = 0;
    for (; at + sizeof(char32_t) <= size; at += sizeof(char32_t)) {
        char32_t typed = 0;
        std::memcpy(&typed, data + at, sizeof typed);
        Check(typed);
    }
    // Trailing bytes as Latin-1 characters, the common case at the keyboard.
    for (; at < size; ++at)
        Check(data[at]);
    return 0;
}
