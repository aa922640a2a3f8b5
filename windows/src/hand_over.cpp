// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The hand-over: the one place that knows every kind of result window.
#include "hand_over.h"

#include "windows/birth_details_window.h"
#include "windows/chart_point_display.h"
#include "windows/rising_sign_display.h"

namespace orbis {

namespace {

ResultWindow* CreateResult(ReadingHost& host, BirthDetailsWindow& details)
{
    switch (details.design().kind) {
    case ReadingKind::Midheaven:
        return new ChartPointDisplay(host, details, ChartPointDesign::Midheaven());
    case ReadingKind::Descendant:
        return new ChartPointDisplay(host, details, ChartPointDesign::Descendant());
    case ReadingKind::RisingSign:
        break;
    }
    return new RisingSignDisplay(host, details);
}

} // namespace

void ShowResult(ReadingHost& host, BirthDetailsWindow& details)
{
    ResultWindow* result = CreateResult(host, details);
    result->fill();
    if (QWidget* frame = details.parentWidget())
        frame->hide();
    host.present(SlotsOf(details.design().kind).result, result);
    host.setWelcomeVisible(false);
}

} // namespace orbis
