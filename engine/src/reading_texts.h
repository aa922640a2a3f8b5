// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The descriptive texts of the three readings, kept as data apart from the logic.
#pragma once

#include <array>
#include <string_view>

namespace orbis::texts {

// The five topic texts of one sign, in the order the rising sign result shows them.
struct TopicTexts {
    std::string_view looks;
    std::string_view nature;
    std::string_view careerAndFinance;
    std::string_view loveAndDomesticLife;
    std::string_view health;
};

// Indexed by sign number, Aries (0) to Pisces (11).
extern const std::array<TopicTexts, 12> kTopicTexts;
extern const std::array<std::string_view, 12> kMidheavenDescriptions;
extern const std::array<std::string_view, 12> kDescendantDescriptions;

} // namespace orbis::texts
