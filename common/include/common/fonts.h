// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's one typeface.
#pragma once

#include <QFont>

namespace orbis {

// Verdana where installed; elsewhere a substitute of similar metrics is registered at start-up.
QFont Verdana(double pointSize, bool bold = false, bool underline = false);

// Maps Verdana to a free family with similar metrics where Verdana is missing.
void RegisterFontSubstitutes();

} // namespace orbis
