// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: sign and band names, profiles by name, and the midheaven and descendant shifts.
#include "fuzz_check.h"

#include "orbis/chart_points.h"
#include "orbis/sign_profile.h"
#include "orbis/zodiac.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

using namespace orbis;

namespace {

template <std::size_t N>
bool IsOneOf(const std::array<std::string_view, N>& texts, std::string_view text)
{
    for (std::string_view t : texts) {
        if (t == text)
            return true;
    }
    return false;
}

bool InRange(ZodiacSign sign)
{
    return SignNumber(sign) >= 0 && SignNumber(sign) < kSignCount;
}

// Moves of any size the program could ask for come back round the circle consistently.
void CheckMoves(ZodiacSign sign, int places)
{
    const ZodiacSign moved = MoveSign(sign, places);
    FUZZ_CHECK(InRange(moved));
    FUZZ_CHECK(MoveSign(moved, -places) == sign);
    FUZZ_CHECK(MoveSign(sign, places % kSignCount) == moved);
    FUZZ_CHECK(MoveSign(sign, places + kSignCount) == moved);
    FUZZ_CHECK(SignNumber(moved) ==
               ((SignNumber(sign) + places) % kSignCount + kSignCount) % kSignCount);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const auto sign = SignFromName(text);
    FUZZ_CHECK(sign.has_value() == IsOneOf(SignNames(), text));
    if (sign) {
        FUZZ_CHECK(InRange(*sign));
        FUZZ_CHECK(SignName(*sign) == text);
    }

    const auto band = BandFromLabel(text);
    FUZZ_CHECK(band.has_value() == IsOneOf(BandLabels(), text));
    if (band)
        FUZZ_CHECK(BandLabel(*band) == text);

    const SignProfile* profile = GetSignProfile(text);
    FUZZ_CHECK((profile != nullptr) == sign.has_value());
    if (profile) {
        FUZZ_CHECK(profile == &GetSignProfile(*sign));
        FUZZ_CHECK(profile->PictureIndex == PictureNumber(*sign));
    }

    const auto midheaven = GetMidheavenSign(text);
    const auto descendant = GetDescendantSign(text);
    FUZZ_CHECK(midheaven.has_value() == sign.has_value());
    FUZZ_CHECK(descendant.has_value() == sign.has_value());
    if (sign) {
        FUZZ_CHECK(*midheaven == MoveSign(*sign, kMidheavenShift));
        FUZZ_CHECK(*descendant == MoveSign(*sign, kDescendantShift));
        FUZZ_CHECK(MoveSign(*midheaven, -kMidheavenShift) == *sign);
        // The descendant is the opposite sign, so the descendant of the descendant is the rising
        // sign.
        FUZZ_CHECK(GetDescendantSign(SignName(*descendant)) == *sign);
        FUZZ_CHECK(MoveSign(*midheaven, kDescendantShift - kMidheavenShift) == *descendant);
        FUZZ_CHECK(!GetMidheavenDescription(*midheaven).empty());
        FUZZ_CHECK(!GetDescendantDescription(*descendant).empty());
    }

    // The first bytes as a sign and a move of up to a few thousand turns either way.
    if (size >= 3) {
        std::int16_t places = 0;
        std::memcpy(&places, data + 1, sizeof places);
        CheckMoves(static_cast<ZodiacSign>(data[0] % kSignCount), places);
    }
    return 0;
}
