// frmMidheavenAsrologyDisplay and frmDescendantAstrologyDisplay: one design, two configurations.
#pragma once

#include "windows/result_windows.h"

#include "orbis/zodiac.h"

#include <QColor>
#include <optional>
#include <string_view>

namespace orbis {

struct ChartPointDesign {
    QString objectName;
    QString caption;
    QString resultCaption;  // Frame1
    QString signHeading;    // Label18
    QString moreHeading;    // Label2; empty where the window has none
    QString signLabelName;
    QString descriptionName;
    double clientWidth;
    double clientHeight;
    double resultHeight;    // Frame1
    QRect signHeadingPlace; // twips, in Frame1
    QRect signPlace;
    QRect descriptionPlace;
    QRect picturePlace;
    double exitLeft;
    double backLeft;
    double promotionWidth;
    QColor background;
    QColor strips;
    QColor resultFrame;
    QColor resultCaptionText;
    double signPoints;
    QColor signText;
    double descriptionPoints;
    QColor buttonFace;
    std::optional<ZodiacSign> (*signOf)(std::string_view risingSign);
    std::string_view (*descriptionOf)(ZodiacSign sign);

    static const ChartPointDesign& Midheaven();
    static const ChartPointDesign& Descendant();
};

class ChartPointDisplay : public ResultWindow {
    Q_OBJECT
public:
    ChartPointDisplay(ReadingHost& host, BirthDetailsWindow& details, const ChartPointDesign& design);

    void fill() override;

private:
    const ChartPointDesign& design_;
    QLabel* signLabel_ = nullptr;
    QLabel* description_ = nullptr;
    QLabel* picSign = nullptr;
};

} // namespace orbis
