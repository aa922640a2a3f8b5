// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Back and Exit of the result windows.
#include "windows/result_windows.h"

#include "common/menus.h"
#include "windows/birth_details_window.h"
#include "windows/sign_pictures.h"

#include <QAction>
#include <QEvent>
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
    exit_ = exit;
    // Exit first, where the window puts the focus, then Back.
    setKeyboardOrder({exit, back});
}

void ResultWindow::showPicture(QLabel* picture, int number) const
{
    if (details_)
        picture->setPixmap(details_->IMGSign().picture(number, devicePixelRatioF()));
}

void ResultWindow::setAnswer(const QList<QLabel*>& values)
{
    QStringList said;
    for (const QLabel* value : values)
        said.append(value->accessibleDescription() + QLatin1Char(' ') + value->text());
    // Orca says the focused control's description after its name and role; before Qt 6.8
    // nothing else it says as the window opens can carry the answer. Exit takes the focus.
    exit_->setAccessibleDescription(said.join(QStringLiteral(", ")));
    exit_->installEventFilter(this);
}

bool ResultWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Said once: when the focus moves on, Exit is heard as just Exit again.
    if (watched == exit_ && event->type() == QEvent::FocusOut) {
        exit_->setAccessibleDescription(QString());
        exit_->removeEventFilter(this);
    }
    return ReadingWindow::eventFilter(watched, event);
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
