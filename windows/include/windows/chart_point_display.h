// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// frmMidheavenAsrologyDisplay and frmDescendantAstrologyDisplay: one design, two configurations.
#pragma once

#include "common/twips.h"
#include "windows/result_windows.h"

#include "orbis/zodiac.h"

#include <QColor>
#include <optional>
#include <string_view>

namespace orbis {

// The places of one window, in twips.
struct ChartPointLayout {
    double clientWidth;
    double clientHeight;
    TwipsBox topStrip;    // Frame2
    TwipsBox banner;      // in Frame2
    TwipsBox result;      // Frame1
    TwipsBox signHeading; // Label18, in Frame1
    TwipsBox sign;
    TwipsBox moreHeading; // Label2, where the window has it
    TwipsBox description;
    TwipsBox picture;
    TwipsBox bottomStrip; // Frame5
    TwipsBox promotions;  // in Frame5
    TwipsBox exit;
    TwipsBox back;
};

struct ChartPointColours {
    QColor window;
    QColor strips;        // Frame2 and Frame5
    QColor resultFrame;   // Frame1
    QColor resultCaption; // Frame1's caption
    QColor sign;
    QColor buttonFace;
};

struct ChartPointDesign {
    QString objectName;
    QString caption;
    QString resultCaption; // Frame1
    QString signHeading;   // Label18
    QString moreHeading;   // Label2; empty where the window has none
    QString signLabelName;
    QString descriptionName;
    ChartPointLayout layout;
    ChartPointColours colours;
    double signPoints;
    double descriptionPoints;
    std::optional<ZodiacSign> (*signOf)(std::string_view risingSign);
    std::string_view (*descriptionOf)(ZodiacSign sign);

    static const ChartPointDesign& Midheaven();
    static const ChartPointDesign& Descendant();
};

class ChartPointDisplay : public ResultWindow {
    Q_OBJECT
public:
    ChartPointDisplay(ReadingHost& host, BirthDetailsWindow& details,
                      const ChartPointDesign& design);

    void fill() override;

private:
    void createStrips();
    void createResult();
    void createButtonsAndOffers();

    const ChartPointDesign& design_;
    QLabel* signLabel_ = nullptr;
    QLabel* description_ = nullptr;
    QLabel* picSign = nullptr;
};

} // namespace orbis
