// What sets the three birth-details windows apart: texts, colours, size and the reading they open.
#pragma once

#include "windows/reading_host.h"

#include <QColor>
#include <QString>

namespace orbis {

struct BirthDetailsDesign {
    ReadingKind kind;
    ReadingSlot slot;
    QString objectName;
    QString caption;
    QString proceedCaption;
    QString heading;     // Label9
    QString description; // Label8
    double clientHeight; // twips; the width is the same for all three
    QColor background;   // window, Frame3, the inputs and Label8
    QColor middleArea;   // Frame1
    QColor strips;       // Frame2 and Frame5
    QColor inputText;
    QColor headingText;
    QColor descriptionText;
    QColor buttonFace;
    // The midheaven window puts its Exit strip over the top strip, and its promotions below Proceed.
    bool exitStripOnTop;
    bool coBrandInFront;
};

const BirthDetailsDesign& DesignOf(ReadingKind kind);

} // namespace orbis
