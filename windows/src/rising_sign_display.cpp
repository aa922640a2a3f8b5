// The rising sign result window.
#include "windows/rising_sign_display.h"

#include "common/fonts.h"
#include "common/link_label.h"
#include "common/twips.h"
#include "common/web_pages.h"
#include "common/engine_text.h"

#include "orbis/reading_state.h"
#include "orbis/rising_sign.h"
#include "orbis/sign_profile.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <utility>

namespace orbis {

namespace {

constexpr double kClientWidth = 10455;
constexpr double kClientHeight = 7695;
const QColor kContent(66, 174, 193);
const QColor kBands(103, 10, 35);
const QColor kValueText(64, 0, 0);
const QColor kCaptionText(128, 64, 0);
const QColor kButtonFace(255, 224, 192);

} // namespace

TopicBox::TopicBox(const QString& name, QWidget* parent) : QPlainTextEdit(parent)
{
    setObjectName(name);
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setContextMenuPolicy(Qt::NoContextMenu);
    // The text control takes no part: keys scroll the box, and the selection is ours.
    setTextInteractionFlags(Qt::NoTextInteraction);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    setFont(Verdana(8.25));
    document()->setUndoRedoEnabled(false);
}

void TopicBox::setTopic(const QString& text)
{
    if (isVisible()) {
        hasPending_ = false;
        display(text);
        return;
    }
    pending_ = text;
    hasPending_ = true;
}

void TopicBox::showEvent(QShowEvent* event)
{
    QPlainTextEdit::showEvent(event);
    if (hasPending_) {
        hasPending_ = false;
        display(std::exchange(pending_, QString()));
    }
}

void TopicBox::display(const QString& text)
{
    // The box holds one paragraph, laid out once and drawn straight after. Its layout keeps the
    // shaped glyphs, which would otherwise be thrown away and the paragraph shaped over again for
    // every paint.
    QTextDocument* document = this->document();
    select(QTextCursor());
    document->clear();
    document->firstBlock().layout()->setCacheEnabled(true);
    QTextCursor(document).insertText(text);
    moveCursor(QTextCursor::Start);
}

QString TopicBox::selectedText() const
{
    return selection_.selectedText();
}

void TopicBox::select(const QTextCursor& selection)
{
    // Handed to the text control only as its cursor, which draws it and lets screen readers
    // read it; the control offers a selection to the clipboards only from its own gestures.
    selection_ = selection;
    setTextCursor(selection.isNull() ? QTextCursor(document()) : selection);
}

void TopicBox::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::SelectAll)) {
        QTextCursor all(document());
        all.select(QTextCursor::Document);
        select(all);
        return;
    }
    // Copy and cut keys find nothing to take; the rest scroll the box.
    QPlainTextEdit::keyPressEvent(event);
}

void TopicBox::mousePressEvent(QMouseEvent* event)
{
    QPlainTextEdit::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    setFocus(Qt::MouseFocusReason);
    // Shift and a click stretch the selection there, as in any text view.
    const int position = cursorForPosition(event->position().toPoint()).position();
    QTextCursor at(document());
    if ((event->modifiers() & Qt::ShiftModifier) && !selection_.isNull())
        at.setPosition(selection_.anchor());
    at.setPosition(position, (event->modifiers() & Qt::ShiftModifier) && !selection_.isNull()
                                 ? QTextCursor::KeepAnchor
                                 : QTextCursor::MoveAnchor);
    select(at);
    selecting_ = true;
}

void TopicBox::mouseMoveEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseMoveEvent(event);
    if (!selecting_ || !(event->buttons() & Qt::LeftButton))
        return;
    QTextCursor extended = selection_;
    extended.setPosition(cursorForPosition(event->position().toPoint()).position(),
                         QTextCursor::KeepAnchor);
    select(extended);
}

void TopicBox::mouseReleaseEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        selecting_ = false;
}

void TopicBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QPlainTextEdit::mouseDoubleClickEvent(event);
    QTextCursor word = cursorForPosition(event->position().toPoint());
    word.select(QTextCursor::WordUnderCursor);
    select(word);
}

RisingSignDisplay::RisingSignDisplay(ReadingHost& host, BirthDetailsWindow& details)
    : ResultWindow(host, details, QStringLiteral("frmRisingSignDisplay"),
                   QStringLiteral("Orbis Zodiac Rising Sign"))
{
    QWidget* area = client();
    area->setFixedSize(TwipsSize(kClientWidth, kClientHeight));
    area->setPalette(ColouredPalette(area->palette(), kContent, kValueText));

    QWidget* top = addPanel(area, QStringLiteral("Frame2"), 0, 0, kClientWidth, 735, kBands);
    addBanner(top, 120, 120, kClientWidth - 240, 495, Qt::white);

    QWidget* content =
        addPanel(area, QStringLiteral("Frame1"), 0, 720, kClientWidth, 6135, kContent);

    auto caption = [&](const QString& name, const QString& text, double left, double top,
                       double width) -> QLabel* {
        auto* label = name == QLatin1String("Label19") ? new LinkLabel(text, content, false)
                                                       : new QLabel(text, content);
        label->setObjectName(name);
        label->setFont(Verdana(8.25, true, true));
        label->setPalette(ColouredPalette(label->palette(), kContent, kCaptionText));
        label->setGeometry(TwipsRect(left, top, width, 225));
        return label;
    };
    auto valueLabel = [&](const QString& name, double left, double top, double width,
                          QLabel* captionLabel) {
        auto* label = new QLabel(content);
        label->setObjectName(name);
        label->setFont(Verdana(8.25));
        label->setGeometry(TwipsRect(left, top, width, 255));
        // Read out as what it shows, with its caption as the description.
        label->setAccessibleDescription(captionLabel->text());
        return label;
    };

    // Attribute block: two columns of six pairs with the picture between them.
    struct Pair {
        const char* caption;
        const char* captionText;
        const char* value;
    };
    const Pair left[] = {{"Label18", "Your Rising Sign", "lblYourRisingSign"},
                         {"Label15", "Your Element", "lblYourElement"},
                         {"Label12", "Your Lucky Days", "lblYourLuckyDays"},
                         {"Label14", "Your Sign Color", "lblYourSignColor"},
                         {"Label16", "Your Symbol", "lblYourSymbol"},
                         {"Label13", "Your Type of Sign", "lblYourTypeofSign"}};
    const Pair right[] = {{"Label19", "Your Sun Sign", "lblYourSunSign"},
                          {"Label10", "Your Lucky Direction", "lblYourLuckyDirection"},
                          {"Label9", "Your Lucky Colors", "lblYourLuckyColors"},
                          {"Label8", "Your Lucky Gemstone", "lblYourLuckyGemstone"},
                          {"Label17", "Your Ruling Planet", "lblYourRulingPlanet"},
                          {"Label11", "Your Lucky Numbers", "lblYourLuckyNumbers"}};
    constexpr double kBlockTop = 150;
    constexpr double kRowHeight = 505;
    constexpr double kColumnWidth = 3360;
    for (int row = 0; row < 6; ++row) {
        const double y = kBlockTop + row * kRowHeight;
        for (const auto& [pair, x] : {std::pair{left[row], 240.0}, std::pair{right[row], 6960.0}}) {
            QLabel* captionLabel =
                caption(QString::fromLatin1(pair.caption), QString::fromLatin1(pair.captionText), x,
                        y, kColumnWidth);
            valueLabel(QString::fromLatin1(pair.value), x, y + 240, kColumnWidth, captionLabel);
        }
    }
    QLabel* rising = value(QStringLiteral("lblYourRisingSign"));
    rising->setFont(Verdana(9, true));

    picSign = new QLabel(content);
    picSign->setObjectName(QStringLiteral("picSign"));
    picSign->setGeometry(TwipsRect(3690, kBlockTop, 3030, 3030));
    picSign->setAlignment(Qt::AlignCenter);

    auto* sunSignCaption = findChild<LinkLabel*>(QStringLiteral("Label19"));
    connect(sunSignCaption, &LinkLabel::clicked, this,
            [this] { OpenWebPage(host_.platform(), WebPage::CoBrand); });

    // A row of three text boxes, then a row of two larger ones.
    auto box = [&](const char* captionName, const char* captionText, const char* name, double x,
                   double y, double width, double height) {
        QLabel* captionLabel = caption(QString::fromLatin1(captionName),
                                       QString::fromLatin1(captionText), x, y, width);
        auto* text = new TopicBox(QString::fromLatin1(name), content);
        text->setGeometry(TwipsRect(x, y + 240, width, height));
        text->setPalette(ColouredPalette(text->palette(), kContent, kValueText));
        text->setAccessibleName(captionLabel->text());
        captionLabel->setBuddy(text);
    };
    constexpr double kSmallWidth = 3245;
    box("Label7", "Your Looks", "txtYourLooks", 240, 3270, kSmallWidth, 1020);
    box("Label4", "Your Love and Domestic Life", "txtYourLoveandDomesticLife", 240 + 3365, 3270,
        kSmallWidth, 1020);
    box("Label2", "Your Health", "txtYourHealth", 240 + 2 * 3365, 3270, kSmallWidth, 1020);
    constexpr double kLargeWidth = 4927;
    box("Label5", "Your Career and Finance", "txtYourCareerandFinance", 240, 4560, kLargeWidth,
        1290);
    box("Label6", "Your Nature", "txtYourNature", 240 + 5047, 4560, kLargeWidth, 1290);

    QWidget* bottom = addPanel(area, QStringLiteral("Frame5"), 0, 6840, kClientWidth, 855, kBands);
    addPromotionalLabels(bottom, 120, 120, 6225, 615, kBands, Qt::white, true);
    QPushButton* exit = addButton(bottom, QStringLiteral("cmdExit"), QStringLiteral("&Exit"), 7800,
                                  195, 1260, 465, kButtonFace);
    QPushButton* back = addButton(bottom, QStringLiteral("cmdBack"), QStringLiteral("&Back"), 9120,
                                  195, 1260, 465, kButtonFace);
    finishButtons(back, exit);
}

QLabel* RisingSignDisplay::value(const QString& name) const
{
    return findChild<QLabel*>(name);
}

TopicBox* RisingSignDisplay::topic(const QString& name) const
{
    return findChild<TopicBox*>(name);
}

void RisingSignDisplay::fill()
{
    ReadingState& readings = host_.readings();
    value(QStringLiteral("lblYourSunSign"))
        ->setText(QString::fromStdString(readings.currentSunSign));
    FindRisingSign(readings, readings.currentLookupKey);
    value(QStringLiteral("lblYourRisingSign"))
        ->setText(QString::fromStdString(readings.currentRisingSign));

    const SignProfile* profile = GetSignProfile(readings.currentRisingSign);
    if (!profile)
        return;
    const std::pair<const char*, std::string_view> topics[] = {
        {"txtYourLooks", profile->Looks},
        {"txtYourNature", profile->Nature},
        {"txtYourCareerandFinance", profile->CareerandFinance},
        {"txtYourLoveandDomesticLife", profile->LoveandDomesticLife},
        {"txtYourHealth", profile->Health}};
    for (const auto& [name, text] : topics)
        topic(QString::fromLatin1(name))->setTopic(ToQString(text));
    const std::pair<const char*, std::string_view> attributes[] = {
        {"lblYourRulingPlanet", profile->RulingPlanet},
        {"lblYourSymbol", profile->Symbol},
        {"lblYourElement", profile->Element},
        {"lblYourSignColor", profile->SignColor},
        {"lblYourTypeofSign", profile->TypeofSign},
        {"lblYourLuckyDays", profile->LuckyDays},
        {"lblYourLuckyNumbers", profile->LuckyNumbers},
        {"lblYourLuckyDirection", profile->LuckyDirection},
        {"lblYourLuckyColors", profile->LuckyColors},
        {"lblYourLuckyGemstone", profile->LuckyGemstone}};
    for (const auto& [name, text] : attributes)
        value(QString::fromLatin1(name))->setText(ToQString(text));
    showPicture(picSign, profile->PictureIndex);
    picSign->setAccessibleName(QString::fromStdString(readings.currentRisingSign));
}

} // namespace orbis
