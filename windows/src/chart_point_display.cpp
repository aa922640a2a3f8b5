// The midheaven and descendant result windows.
#include "windows/chart_point_display.h"

#include "common/fonts.h"
#include "common/twips.h"
#include "common/engine_text.h"

#include "orbis/chart_points.h"
#include "orbis/reading_state.h"
#include "orbis/rising_sign.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace orbis {

const ChartPointDesign& ChartPointDesign::Midheaven()
{
    static const ChartPointDesign design{
        QStringLiteral("frmMidheavenAsrologyDisplay"),
        QStringLiteral("Orbis Midheaven Astrology"),
        QStringLiteral("Orbis Midheaven Astrology Result"),
        QStringLiteral("Your Mid Heaven Is In"),
        QString(),
        QStringLiteral("lblYourMidheavenSign"),
        QStringLiteral("lblMidheavenDesc"),
        10095,
        5295,
        3735,
        QRect(240, 360, 2175, 195),
        QRect(2655, 360, 2430, 240),
        QRect(240, 720, 6495, 2775),
        QRect(6960, 240, 3030, 3030),
        7440,
        8760,
        6105,
        QColor(170, 185, 225),
        QColor(170, 185, 225),
        QColor(170, 185, 225),
        QColor(255, 0, 0),
        9.75,
        QColor(0, 0, 255),
        8.25,
        QColor(192, 192, 192),
        &GetMidheavenSign,
        &GetMidheavenDescription,
    };
    return design;
}

const ChartPointDesign& ChartPointDesign::Descendant()
{
    static const ChartPointDesign design{
        QStringLiteral("frmDescendantAstrologyDisplay"),
        QStringLiteral("Orbis Descendant Astrology"),
        QStringLiteral("Orbis Descendant Astrology Result"),
        QStringLiteral("Your Descendant Sign"),
        QStringLiteral("More About Your Sign"),
        QStringLiteral("lblYourDescendantSign"),
        QStringLiteral("lblMoreAboutSign"),
        10455,
        5520,
        3975,
        QRect(240, 480, 2145, 195),
        QRect(2640, 480, 2310, 210),
        QRect(240, 1080, 6735, 2850),
        QRect(7200, 600, 3030, 3030),
        7680,
        9080,
        6945,
        QColor(66, 174, 193),
        QColor(103, 10, 35),
        QColor(128, 232, 133),
        QColor(0, 0, 255),
        9,
        QColor(64, 0, 0),
        9,
        QColor(255, 224, 192),
        &GetDescendantSign,
        &GetDescendantDescription,
    };
    return design;
}

namespace {

QRect Place(const QRect& twips)
{
    return TwipsRect(twips.x(), twips.y(), twips.width(), twips.height());
}

const QColor kCaptionText(128, 64, 0);
const QColor kValueText(64, 0, 0);

} // namespace

ChartPointDisplay::ChartPointDisplay(ReadingHost& host, BirthDetailsWindow& details,
                                     const ChartPointDesign& design)
    : ResultWindow(host, details, design.objectName, design.caption), design_(design)
{
    QWidget* area = client();
    area->setFixedSize(TwipsSize(design_.clientWidth, design_.clientHeight));
    area->setPalette(ColouredPalette(area->palette(), design_.background, kValueText));

    const bool lightStrips = design_.strips.lightness() > 128;
    const QColor stripText = lightStrips ? QColor(0, 0, 128) : QColor(Qt::white);
    QWidget* top = addPanel(area, QStringLiteral("Frame2"), 0, 0, design_.clientWidth, 735, design_.strips);
    addBanner(top, 120, 120, design_.clientWidth - 240, 495, stripText);

    auto* result = new QGroupBox(design_.resultCaption, area);
    result->setObjectName(QStringLiteral("Frame1"));
    result->setGeometry(TwipsRect(0, 720, design_.clientWidth, design_.resultHeight));
    result->setAutoFillBackground(true);
    result->setFont(Verdana(9.75, true));
    QPalette framePalette = ColouredPalette(result->palette(), design_.resultFrame, design_.resultCaptionText);
    result->setPalette(framePalette);

    auto heading = [&](const QString& name, const QString& text, const QRect& place) {
        auto* label = new QLabel(text, result);
        label->setObjectName(name);
        label->setFont(Verdana(8.25, true, true));
        label->setPalette(ColouredPalette(label->palette(), design_.resultFrame, kCaptionText));
        // The design's heights are tight for the substitute font; let the text breathe.
        QRect geometry = Place(place);
        geometry.setHeight(geometry.height() + 3);
        label->setGeometry(geometry);
        return label;
    };
    QLabel* signHeading = heading(QStringLiteral("Label18"), design_.signHeading, design_.signHeadingPlace);

    signLabel_ = new QLabel(result);
    signLabel_->setObjectName(design_.signLabelName);
    signLabel_->setFont(Verdana(design_.signPoints, true));
    signLabel_->setPalette(ColouredPalette(signLabel_->palette(), design_.resultFrame, design_.signText));
    QRect signGeometry = Place(design_.signPlace);
    signGeometry.setHeight(signGeometry.height() + 4);
    signLabel_->setGeometry(signGeometry);
    signLabel_->setAccessibleDescription(signHeading->text());

    QLabel* moreHeading = nullptr;
    if (!design_.moreHeading.isEmpty())
        moreHeading = heading(QStringLiteral("Label2"), design_.moreHeading, QRect(240, 840, 2115, 195));

    description_ = new QLabel(result);
    description_->setObjectName(design_.descriptionName);
    description_->setWordWrap(true);
    description_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    description_->setTextInteractionFlags(Qt::NoTextInteraction);
    description_->setFont(Verdana(design_.descriptionPoints, true));
    description_->setPalette(ColouredPalette(description_->palette(), design_.resultFrame, kValueText));
    description_->setGeometry(Place(design_.descriptionPlace));
    description_->setAccessibleDescription(moreHeading ? moreHeading->text() : signHeading->text());

    picSign = new QLabel(result);
    picSign->setObjectName(QStringLiteral("picSign"));
    picSign->setAlignment(Qt::AlignCenter);
    picSign->setGeometry(Place(design_.picturePlace));

    const double bottomTop = 720 + design_.resultHeight - 15;
    QWidget* bottom = addPanel(area, QStringLiteral("Frame5"), 0, bottomTop, design_.clientWidth, 855,
                               design_.strips);
    addPromotionalLabels(bottom, 120, 120, design_.promotionWidth, 615, design_.strips, stripText, false);
    QPushButton* exit = addButton(bottom, QStringLiteral("cmdExit"), QStringLiteral("&Exit"),
                                  design_.exitLeft, 240, 1260, 465, design_.buttonFace);
    QPushButton* back = addButton(bottom, QStringLiteral("cmdBack"), QStringLiteral("&Back"),
                                  design_.backLeft, 240, 1260, 465, design_.buttonFace);
    finishButtons(back, exit);
}

void ChartPointDisplay::fill()
{
    ReadingState& readings = host_.readings();
    FindRisingSign(readings, readings.currentLookupKey);
    const auto sign = design_.signOf(readings.currentRisingSign);
    if (!sign)
        return;
    const std::string_view name = SignName(*sign);
    signLabel_->setText(ToQString(name));
    showPicture(picSign, PictureNumber(*sign));
    picSign->setAccessibleName(signLabel_->text());
    const std::string_view text = design_.descriptionOf(*sign);
    description_->setText(ToQString(text));
}

} // namespace orbis
