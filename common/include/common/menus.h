// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bars of the three window families (main window, birth-details windows, result
// windows): the Help commands every window shares, and the builder that arranges a window's
// commands into its bar.
#pragma once

#include <QList>
#include <QObject>

class QAction;
class QWidget;

namespace orbis {

class Platform;

enum class MenuFamily { Main, BirthDetails, Result };

// A command of `window`: an action named and captioned as its menu item, made once. The window
// connects it to its handler, and the button and keys that share it to it.
QAction* CreateCommand(QWidget* window, const QString& name, const QString& caption);

// The Help menu's items and the switched-off money entry, alike in every window: commands of the
// window, each connected to its handler here but About, which each window shows over itself.
class HelpCommands final : public QObject {
    Q_OBJECT
public:
    HelpCommands(QWidget* window, MenuFamily family, Platform& platform);

    QAction* const mnuOnline;
    QAction* const mnuVisit;
    QAction* const mnuUpdate;
    QAction* const mnuAbout;
    // Named mkmoney in the main window.
    QAction* const mnuMakeMoneyOnline;

private slots:
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuMakeMoneyOnline_Click();

private:
    Platform& platform_;
};

// Arranges a window's File commands, in their order, and its Help commands into the File and Help
// menus and the bar's money entry, with the separators the family names; adds nothing else.
// Returns the bar's entries in order.
QList<QAction*> ArrangeMenuBar(QWidget* window, MenuFamily family,
                               const QList<QAction*>& fileCommands, const HelpCommands& help);

} // namespace orbis
