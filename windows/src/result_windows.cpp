// Back, Exit and the hand-over from a birth-details window to its result.
#include "windows/result_windows.h"

#include "common/menus.h"
#include "windows/birth_details_window.h"
#include "windows/chart_point_display.h"
#include "windows/rising_sign_display.h"
#include "windows/sign_pictures.h"

#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>

namespace orbis {

ResultWindow::ResultWindow(ReadingHost& host, BirthDetailsWindow& details,
                           const QString& objectName, const QString& caption)
    : ReadingWindow(host, objectName, caption), details_(&details)
{
}

void ResultWindow::finishButtons(QPushButton* back, QPushButton* exit)
{
    finishWindow(MenuFamily::Result,
                 {.firstItemName = QStringLiteral("mnuFileBack"),
                  .firstCaption = QStringLiteral("&Back"),
                  .firstButton = back,
                  .first = [this] { cmdBack_Click(); },
                  .exitButton = exit,
                  .exit = [this] { cmdExit_Click(); }},
                 exit);
    setFocusProxy(exit);
    // Exit first, where the window puts the focus, then Back.
    setKeyboardOrder({exit, back});
}

void ResultWindow::showPicture(QLabel* picture, int number) const
{
    if (details_)
        picture->setPixmap(details_->IMGSign().picture(number, devicePixelRatioF()));
}

void ResultWindow::cmdBack_Click()
{
    // Each step runs whatever became of the one before.
    unload();
    if (details_)
        details_->showAgain();
    host_.setWelcomeVisible(false);
}

void ShowResult(ReadingHost& host, BirthDetailsWindow& details)
{
    ResultWindow* result = nullptr;
    ReadingSlot slot = ReadingSlot::RisingSignResult;
    switch (details.design().kind) {
    case ReadingKind::RisingSign:
        result = new RisingSignDisplay(host, details);
        break;
    case ReadingKind::Midheaven:
        result = new ChartPointDisplay(host, details, ChartPointDesign::Midheaven());
        slot = ReadingSlot::MidheavenResult;
        break;
    case ReadingKind::Descendant:
        result = new ChartPointDisplay(host, details, ChartPointDesign::Descendant());
        slot = ReadingSlot::DescendantResult;
        break;
    }
    result->fill();
    if (QWidget* frame = details.parentWidget())
        frame->hide();
    host.present(slot, result);
    host.setWelcomeVisible(false);
}

} // namespace orbis
