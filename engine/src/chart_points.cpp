// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Midheaven and descendant shifts.
#include "orbis/chart_points.h"

#include "reading_texts.h"

namespace orbis {
namespace {

std::optional<ZodiacSign> Shifted(std::string_view risingSignName, int places)
{
    const auto rising = SignFromName(risingSignName);
    if (!rising)
        return std::nullopt;
    return MoveSign(*rising, places);
}

} // namespace

std::optional<ZodiacSign> GetMidheavenSign(std::string_view risingSignName)
{
    return Shifted(risingSignName, kMidheavenShift);
}

std::optional<ZodiacSign> GetDescendantSign(std::string_view risingSignName)
{
    return Shifted(risingSignName, kDescendantShift);
}

std::string_view GetMidheavenDescription(ZodiacSign sign)
{
    return texts::kMidheavenDescriptions.at(static_cast<std::size_t>(sign));
}

std::string_view GetDescendantDescription(ZodiacSign sign)
{
    return texts::kDescendantDescriptions.at(static_cast<std::size_t>(sign));
}

} // namespace orbis
