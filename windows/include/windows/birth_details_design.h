// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// What sets the three birth-details windows apart: texts, colours, a few places and the reading.
#pragma once

#include "common/twips.h"
#include "windows/reading_host.h"

#include <QColor>
#include <QString>

namespace orbis {

struct BirthDetailsColours {
    QColor window;          // the window, Frame3, the inputs and Label8
    QColor middleArea;      // Frame1
    QColor strips;          // Frame2 and Frame5
    QColor inputText;       // the inputs and their labels
    QColor headingText;     // Label9
    QColor descriptionText; // Label8
    QColor buttonFace;
};

// Where Exit and the two offers sit: together on a strip at the bottom, or (midheaven) Exit on a
// short strip over the top strip and the offers on the window below Proceed.
struct BirthDetailsFoot {
    TwipsBox exitStrip;  // Frame5
    TwipsBox exit;       // in Frame5
    TwipsBox promotions; // in Frame5, or on the window
    bool promotionsOnStrip;
};

struct BirthDetailsDesign {
    ReadingKind kind;
    QString objectName;
    QString caption;
    QString proceedCaption;
    QString heading;     // Label9
    QString description; // Label8
    double clientHeight; // twips; the width is the same for all three
    BirthDetailsColours colours;
    TwipsBox banner; // Label61, in Frame2
    double bannerPoints;
    BirthDetailsFoot foot;
    bool coBrandInFront;
};

const BirthDetailsDesign& DesignOf(ReadingKind kind);

} // namespace orbis
