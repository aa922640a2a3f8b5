// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The birth-details window: entry, filter, validation and the first steps of every reading.
#include "windows/birth_details_window.h"

#include "common/engine_text.h"
#include "common/form.h"
#include "common/menus.h"
#include "common/platform.h"
#include "common/program_identity.h"
#include "hand_over.h"
#include "name_edit.h"

#include "orbis/birth_details.h"
#include "orbis/reading_state.h"
#include "orbis/zodiac.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>

namespace orbis {

namespace {

// The places all three designs share, in twips; the design record has the rest.
constexpr struct {
    double clientWidth = 7860;
    TwipsBox topStrip{.width = 7860, .height = 615};
    TwipsBox middleArea{.top = 600, .width = 7860, .height = 3495};
    // In the middle area.
    TwipsBox description{.left = 120, .top = 120, .width = 7620, .height = 735};
    TwipsBox heading{.left = 240, .top = 930, .width = 7380, .height = 285};
    TwipsBox details{.left = 240, .top = 1260, .width = 7380, .height = 2115};
    // In the details frame.
    TwipsBox nameCaption{.left = 240, .top = 420, .width = 1800, .height = 285};
    TwipsBox name{.left = 2160, .top = 390, .width = 4920, .height = 330};
    TwipsBox timeCaption{.left = 240, .top = 900, .width = 1900, .height = 285};
    TwipsBox time{.left = 2160, .top = 870, .width = 2400, .height = 330};
    TwipsBox dateCaption{.left = 240, .top = 1620, .width = 1900, .height = 285};
    TwipsBox dayHeading{.left = 2160, .top = 1290, .width = 900, .height = 285};
    TwipsBox monthHeading{.left = 3240, .top = 1290, .width = 1500, .height = 285};
    TwipsBox yearHeading{.left = 5280, .top = 1290, .width = 1000, .height = 285};
    TwipsBox day{.left = 2160, .top = 1590, .width = 900, .height = 330};
    TwipsBox month{.left = 3240, .top = 1590, .width = 1860, .height = 330};
    TwipsBox year{.left = 5280, .top = 1590, .width = 1200, .height = 330};
    // On the window, across its width.
    TwipsBox proceed{.top = 4160, .width = 7860, .height = 585};
} kLayout{};

constexpr Typeface kEntryFont{8.25};
constexpr Typeface kCaptionFont{8.25, true};
constexpr Typeface kSmallHeadingFont{7.5, true};

template <std::size_t N> QStringList ListOf(const std::array<std::string_view, N>& texts)
{
    QStringList list;
    for (std::string_view text : texts)
        list.append(ToQString(text));
    return list;
}

QStringList YearTexts()
{
    QStringList years;
    for (int year = kFirstYear; year <= kLastYear; ++year)
        years.append(QString::number(year));
    return years;
}

QLabel* Caption(QWidget* parent, const QString& name, const QString& text, const TwipsBox& box,
                const Typeface& font = kCaptionFont)
{
    return Place(new QLabel(text, parent), name, box, {.font = font});
}

// A pick-only list starting at its first entry.
QComboBox* List(QWidget* parent, const QString& name, const QStringList& entries,
                const TwipsBox& box)
{
    auto* list = Place(new QComboBox(parent), name, box, {.font = kEntryFont});
    list->setEditable(false);
    list->addItems(entries);
    list->setCurrentIndex(0);
    list->setMaxVisibleItems(12);
    return list;
}

} // namespace

BirthDetailsWindow::BirthDetailsWindow(ReadingHost& host, const BirthDetailsDesign& design)
    : ReadingWindow(host, design.objectName, design.caption), design_(design)
{
    setUpClient(kLayout.clientWidth, design_.clientHeight, design_.colours.window,
                design_.colours.inputText);

    createTopStrip();
    createEntries(createMiddleArea());
    createButtonsAndOffers();
    createCommands();
    finishWindow(MenuFamily::BirthDetails, cmdProceed);
    setFocusProxy(txtName);
}

void BirthDetailsWindow::createTopStrip()
{
    QWidget* strip =
        Panel(client(), QStringLiteral("Frame2"), kLayout.topStrip, design_.colours.strips);
    addBanner(strip, design_.banner, design_.bannerPoints);
}

QWidget* BirthDetailsWindow::createMiddleArea()
{
    const BirthDetailsColours& colours = design_.colours;
    QWidget* middle =
        Panel(client(), QStringLiteral("Frame1"), kLayout.middleArea, colours.middleArea);
    auto* description = Place(new QLabel(design_.description, middle), QStringLiteral("Label8"),
                              kLayout.description,
                              {.font = kEntryFont,
                               .text = colours.descriptionText,
                               .background = colours.window,
                               .filled = true});
    description->setWordWrap(true);
    Place(
        new QLabel(design_.heading, middle), QStringLiteral("Label9"), kLayout.heading,
        {.font = Typeface{9, true}, .text = colours.headingText, .background = colours.middleArea});
    return Place(new QGroupBox(QStringLiteral("Enter Your Details"), middle),
                 QStringLiteral("Frame3"), kLayout.details,
                 {.font = kCaptionFont,
                  .text = colours.inputText,
                  .background = colours.window,
                  .filled = true});
}

void BirthDetailsWindow::createEntries(QWidget* details)
{
    QLabel* nameCaption =
        Caption(details, QStringLiteral("Label1"), QStringLiteral("Name:-"), kLayout.nameCaption);
    txtName =
        Place(new NameEdit(details), QStringLiteral("txtName"), kLayout.name, {.font = kEntryFont});
    connect(txtName, &NameEdit::rejected, this, &BirthDetailsWindow::showNotAlphabet);
    QLabel* timeCaption = Caption(details, QStringLiteral("Label7"),
                                  QStringLiteral("Time Of Birth:-"), kLayout.timeCaption);
    cmbTime = List(details, QStringLiteral("cmbTime"), ListOf(BandLabels()), kLayout.time);

    Caption(details, QStringLiteral("Label3"), QStringLiteral("Date Of Birth:-"),
            kLayout.dateCaption);
    QLabel* dayHeading = Caption(details, QStringLiteral("Label4"), QStringLiteral("Date"),
                                 kLayout.dayHeading, kSmallHeadingFont);
    QLabel* monthHeading = Caption(details, QStringLiteral("Label5"), QStringLiteral("Month"),
                                   kLayout.monthHeading, kSmallHeadingFont);
    QLabel* yearHeading = Caption(details, QStringLiteral("Label6"), QStringLiteral("Year"),
                                  kLayout.yearHeading, kSmallHeadingFont);
    cmbDate = List(details, QStringLiteral("cmbDate"), ListOf(DayTexts()), kLayout.day);
    cmbMonth = List(details, QStringLiteral("cmbMonth"), ListOf(MonthNames()), kLayout.month);
    cmbYear = List(details, QStringLiteral("cmbYear"), YearTexts(), kLayout.year);

    // Screen readers announce each input by the label beside it.
    const std::pair<QLabel*, QWidget*> buddies[] = {{nameCaption, txtName},
                                                    {timeCaption, cmbTime},
                                                    {dayHeading, cmbDate},
                                                    {monthHeading, cmbMonth},
                                                    {yearHeading, cmbYear}};
    for (auto [caption, input] : buddies) {
        caption->setBuddy(input);
        input->setAccessibleName(caption->text());
    }
    setTabOrder(txtName, cmbTime);
    setTabOrder(cmbTime, cmbDate);
    setTabOrder(cmbDate, cmbMonth);
    setTabOrder(cmbMonth, cmbYear);
}

void BirthDetailsWindow::createButtonsAndOffers()
{
    const BirthDetailsColours& colours = design_.colours;
    const BirthDetailsFoot& foot = design_.foot;
    cmdProceed = addButton(client(), QStringLiteral("cmdProceed"), design_.proceedCaption,
                           kLayout.proceed, colours.buttonFace);
    QWidget* exitStrip = Panel(client(), QStringLiteral("Frame5"), foot.exitStrip, colours.strips);
    if (foot.promotionsOnStrip)
        addPromotionalLabels(exitStrip, foot.promotions, colours.strips, design_.coBrandInFront);
    else
        addPromotionalLabels(client(), foot.promotions, colours.window, design_.coBrandInFront);
    cmdExit = addButton(exitStrip, QStringLiteral("cmdExit"), QStringLiteral("&Exit"), foot.exit,
                        colours.buttonFace);
    setTabOrder(cmbYear, cmdProceed);
    setTabOrder(cmdProceed, cmdExit);
}

void BirthDetailsWindow::createCommands()
{
    // The menu item keeps its name in all three windows, whatever its caption.
    QAction* proceed = addFileCommand(QStringLiteral("mnuFindZodiacRisingSign"),
                                      design_.proceedCaption, cmdProceed);
    connect(proceed, &QAction::triggered, this, &BirthDetailsWindow::cmdProceed_Click);
    QAction* exit = addFileCommand(QStringLiteral("mnuExit"), QStringLiteral("E&xit"), cmdExit);
    connect(exit, &QAction::triggered, this, &ReadingWindow::unload);
}

const SignPictures& BirthDetailsWindow::IMGSign() const
{
    return host_.signPictures();
}

int BirthDetailsWindow::chosenDay() const
{
    return cmbDate->currentIndex() + 1;
}
int BirthDetailsWindow::chosenMonth() const
{
    return cmbMonth->currentIndex() + 1;
}
int BirthDetailsWindow::chosenYear() const
{
    return cmbYear->currentText().toInt();
}

void BirthDetailsWindow::showNotAlphabet()
{
    host_.platform().showMessage(this, QStringLiteral("Please Enter Only Alphabet !"),
                                 ProgramTitle(), MessageIcon::Information, MessageButtons::Ok);
}

bool BirthDetailsWindow::ValidateBirthDetails()
{
    Platform& platform = host_.platform();
    if (txtName->text().isEmpty()) {
        platform.showMessage(this, QStringLiteral("Please Enter Your Name !"), ProgramTitle(),
                             MessageIcon::None, MessageButtons::Ok);
        txtName->setFocus();
        return false;
    }
    switch (CheckBirthDate(chosenDay(), chosenMonth(), chosenYear())) {
    case DateCheck::NoSuchFebruaryDay:
        platform.showMessage(this, QStringLiteral("Please Enter Correct Date Or Month!"),
                             ProgramTitle(), MessageIcon::Information, MessageButtons::Ok);
        return false;
    case DateCheck::NoThirtyFirstDay:
        platform.showMessage(this, QStringLiteral("Please Enter Correct Date Or Month !"),
                             ProgramTitle(), MessageIcon::Information, MessageButtons::Ok);
        return false;
    case DateCheck::Valid:
        break;
    }
    return true;
}

void BirthDetailsWindow::cmdProceed_Click()
{
    if (!ValidateBirthDetails())
        return;
    BeginReading(host_.readings(), chosenDay(), chosenMonth(),
                 cmbTime->currentText().toStdString());
    ShowResult(host_, *this);
}

void BirthDetailsWindow::showAgain()
{
    if (QMdiSubWindow* frame = subWindow()) {
        frame->show();
        frame->setFocus();
    }
    show();
    txtName->setFocus();
}

} // namespace orbis
