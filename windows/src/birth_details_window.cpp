// The birth-details window: entry, filter, validation and the first steps of every reading.
#include "windows/birth_details_window.h"

#include "common/fonts.h"
#include "common/menus.h"
#include "common/platform.h"
#include "common/program_title.h"
#include "common/twips.h"
#include "common/engine_text.h"
#include "name_edit.h"
#include "windows/result_windows.h"

#include "orbis/birth_details.h"
#include "orbis/reading_state.h"
#include "orbis/zodiac.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>

namespace orbis {

namespace {

constexpr double kClientWidth = 7860;

template <std::size_t N>
QStringList ListOf(const std::array<std::string_view, N>& texts)
{
    QStringList list;
    for (std::string_view text : texts)
        list.append(ToQString(text));
    return list;
}

} // namespace

BirthDetailsWindow::BirthDetailsWindow(ReadingHost& host, const BirthDetailsDesign& design)
    : ReadingWindow(host, design.objectName, design.caption), design_(design)
{
    buildContent();
    buildMenus(MenuFamily::BirthDetails,
               {QStringLiteral("mnuFindZodiacRisingSign"), design_.proceedCaption,
                [this] { cmdProceed_Click(); }, [this] { unload(); }, {}});
    setDefaultAndCancel(cmdProceed, cmdProceed);
    connect(cmdProceed, &QPushButton::clicked, this, &BirthDetailsWindow::cmdProceed_Click);
    connect(cmdExit, &QPushButton::clicked, this, &BirthDetailsWindow::unload);
    setFocusProxy(txtName);
}

void BirthDetailsWindow::buildContent()
{
    QWidget* area = client();
    area->setFixedSize(TwipsSize(kClientWidth, design_.clientHeight));
    area->setPalette(ColouredPalette(area->palette(), design_.background, design_.inputText));

    QWidget* topStrip = addPanel(area, QStringLiteral("Frame2"), 0, 0, kClientWidth, 615, design_.strips);
    const QColor bannerText = design_.exitStripOnTop ? QColor(0, 0, 128) : QColor(Qt::white);
    // Where the Exit strip shares the top strip, the banner has less room.
    addBanner(topStrip, 120, 120, design_.exitStripOnTop ? 5880 : 7620, 375, bannerText,
              design_.exitStripOnTop ? 8 : 9.75);

    QWidget* middle = addPanel(area, QStringLiteral("Frame1"), 0, 600, kClientWidth, 3495,
                               design_.middleArea);

    auto* description = new QLabel(design_.description, middle);
    description->setObjectName(QStringLiteral("Label8"));
    description->setWordWrap(true);
    description->setAutoFillBackground(true);
    description->setFont(Verdana(8.25));
    description->setPalette(ColouredPalette(description->palette(), design_.background,
                                            design_.descriptionText));
    description->setGeometry(TwipsRect(120, 120, 7620, 735));

    auto* heading = new QLabel(design_.heading, middle);
    heading->setObjectName(QStringLiteral("Label9"));
    heading->setFont(Verdana(9, true));
    heading->setPalette(ColouredPalette(heading->palette(), design_.middleArea, design_.headingText));
    heading->setGeometry(TwipsRect(240, 930, 7380, 285));

    auto* details = new QGroupBox(QStringLiteral("Enter Your Details"), middle);
    details->setObjectName(QStringLiteral("Frame3"));
    details->setFont(Verdana(8.25, true));
    details->setAutoFillBackground(true);
    details->setPalette(ColouredPalette(details->palette(), design_.background, design_.inputText));
    details->setGeometry(TwipsRect(240, 1260, 7380, 2115));

    auto label = [&](const QString& name, const QString& text, double left, double top,
                     double width, double size) {
        auto* l = new QLabel(text, details);
        l->setObjectName(name);
        l->setFont(Verdana(size, true));
        l->setGeometry(TwipsRect(left, top, width, 285));
        return l;
    };
    auto list = [&](const QString& name, const QStringList& entries, double left, double top,
                    double width) {
        auto* combo = new QComboBox(details);
        combo->setObjectName(name);
        combo->setEditable(false);
        combo->setFont(Verdana(8.25));
        combo->addItems(entries);
        combo->setCurrentIndex(0);
        combo->setMaxVisibleItems(12);
        combo->setGeometry(TwipsRect(left, top, width, 330));
        return combo;
    };

    QLabel* nameLabel = label(QStringLiteral("Label1"), QStringLiteral("Name:-"), 240, 420, 1800, 8.25);
    txtName = new NameEdit(details, [this] { showNotAlphabet(); });
    txtName->setFont(Verdana(8.25));
    txtName->setGeometry(TwipsRect(2160, 390, 4920, 330));

    QLabel* timeLabel =
        label(QStringLiteral("Label7"), QStringLiteral("Time Of Birth:-"), 240, 900, 1900, 8.25);
    cmbTime = list(QStringLiteral("cmbTime"), ListOf(BandLabels()), 2160, 870, 2400);

    label(QStringLiteral("Label3"), QStringLiteral("Date Of Birth:-"), 240, 1620, 1900, 8.25);
    QLabel* dayLabel = label(QStringLiteral("Label4"), QStringLiteral("Date"), 2160, 1290, 900, 7.5);
    QLabel* monthLabel = label(QStringLiteral("Label5"), QStringLiteral("Month"), 3240, 1290, 1500, 7.5);
    QLabel* yearLabel = label(QStringLiteral("Label6"), QStringLiteral("Year"), 5280, 1290, 1000, 7.5);
    cmbDate = list(QStringLiteral("cmbDate"), ListOf(DayTexts()), 2160, 1590, 900);
    cmbMonth = list(QStringLiteral("cmbMonth"), ListOf(MonthNames()), 3240, 1590, 1860);
    QStringList years;
    for (int year = kFirstYear; year <= kLastYear; ++year)
        years.append(QString::number(year));
    cmbYear = list(QStringLiteral("cmbYear"), years, 5280, 1590, 1200);

    // Screen readers announce each input by the label beside it.
    const std::pair<QLabel*, QWidget*> buddies[] = {{nameLabel, txtName},
                                                    {timeLabel, cmbTime},
                                                    {dayLabel, cmbDate},
                                                    {monthLabel, cmbMonth},
                                                    {yearLabel, cmbYear}};
    for (auto [caption, input] : buddies) {
        caption->setBuddy(input);
        input->setAccessibleName(caption->text());
    }
    setTabOrder(txtName, cmbTime);
    setTabOrder(cmbTime, cmbDate);
    setTabOrder(cmbDate, cmbMonth);
    setTabOrder(cmbMonth, cmbYear);

    cmdProceed = addButton(area, QStringLiteral("cmdProceed"), design_.proceedCaption, 0, 4160,
                           kClientWidth, 585, design_.buttonFace);
    setTabOrder(cmbYear, cmdProceed);

    if (design_.exitStripOnTop) {
        QWidget* exitStrip = addPanel(area, QStringLiteral("Frame5"), 6120, 160, 1740, 495, design_.strips);
        cmdExit = addButton(exitStrip, QStringLiteral("cmdExit"), QStringLiteral("&Exit"), 240, 0,
                            1380, 450, design_.buttonFace);
        addPromotionalLabels(area, 120, 4800, 7620, 615, design_.background, QColor(0, 0, 128),
                             design_.coBrandInFront);
    } else {
        QWidget* bottomStrip = addPanel(area, QStringLiteral("Frame5"), 0, 4800, kClientWidth, 855,
                                        design_.strips);
        addPromotionalLabels(bottomStrip, 120, 120, 6100, 615, design_.strips, Qt::white,
                             design_.coBrandInFront);
        cmdExit = addButton(bottomStrip, QStringLiteral("cmdExit"), QStringLiteral("&Exit"), 6360,
                            180, 1380, 495, design_.buttonFace);
    }
    setTabOrder(cmdProceed, cmdExit);
}

const SignPictures& BirthDetailsWindow::IMGSign() const
{
    return host_.signPictures();
}

int BirthDetailsWindow::chosenDay() const { return cmbDate->currentIndex() + 1; }
int BirthDetailsWindow::chosenMonth() const { return cmbMonth->currentIndex() + 1; }
int BirthDetailsWindow::chosenYear() const { return cmbYear->currentText().toInt(); }

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
    BeginReading(host_.readings(), chosenDay(), chosenMonth(), cmbTime->currentText().toStdString());
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
