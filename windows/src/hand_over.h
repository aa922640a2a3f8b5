// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The hand-over on Proceed, from a birth-details window to the result window of its reading.
#pragma once

namespace orbis {

class BirthDetailsWindow;
class ReadingHost;

// A fresh result window of the window's reading, filled and shown in place of the birth-details
// window, which is hidden with its entries.
void ShowResult(ReadingHost& host, BirthDetailsWindow& details);

} // namespace orbis
