// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's texts are plain ASCII views; this is the one place they become QStrings.
#pragma once

#include <QString>
#include <string_view>

namespace orbis {

inline QString ToQString(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace orbis
