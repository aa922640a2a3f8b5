// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Small helpers shared by the widget tests.
#pragma once

#include "shell/welcome_panel.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace orbis::testing {

// Closed windows are deleted later; run those deletions now.
inline void FlushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// The option button cmdSelectOption of element `index`, by its id in the group.
inline QPushButton* SelectOption(QWidget* main, int index)
{
    auto* group = main->findChild<QButtonGroup*>(QStringLiteral("cmdSelectOption"));
    return group ? qobject_cast<QPushButton*>(group->button(index)) : nullptr;
}

// The welcome panel's caption lblCaption of element `index`.
inline QLabel* Caption(QWidget* main, int index)
{
    auto* panel = main->findChild<WelcomePanel*>();
    return panel ? panel->caption(index) : nullptr;
}

} // namespace orbis::testing
