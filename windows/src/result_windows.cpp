// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Back and Exit of the result windows.
#include "windows/result_windows.h"

#include "common/menus.h"
#include "windows/birth_details_window.h"
#include "windows/sign_pictures.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

namespace orbis {

ResultWindow::ResultWindow(ReadingHost& host, BirthDetailsWindow& details,
                           const QString& objectName, const QString& caption)
    : ReadingWindow(host, objectName, caption), details_(&details)
{
}

void ResultWindow::finishButtons(QPushButton* back, QPushButton* exit)
{
    QAction* mnuFileBack =
        addFileCommand(QStringLiteral("mnuFileBack"), QStringLiteral("&Back"), back);
    connect(mnuFileBack, &QAction::triggered, this, &ResultWindow::cmdBack_Click);
    QAction* mnuExit = addFileCommand(QStringLiteral("mnuExit"), QStringLiteral("E&xit"), exit);
    connect(mnuExit, &QAction::triggered, this, &ResultWindow::cmdExit_Click);
    finishWindow(MenuFamily::Result, exit);
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

} // namespace orbis
