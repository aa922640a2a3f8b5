// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The Help commands and the one arrangement of every window's menu bar.
#include "common/menus.h"

#include "common/web_pages.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace orbis {

QAction* CreateCommand(QWidget* window, const QString& name, const QString& caption)
{
    auto* command = new QAction(caption, window);
    command->setObjectName(name);
    return command;
}

HelpCommands::HelpCommands(QWidget* window, MenuFamily family, Platform& platform)
    : QObject(window),
      mnuOnline(CreateCommand(window, QStringLiteral("mnuOnline"), QStringLiteral("&Online Help"))),
      mnuVisit(
          CreateCommand(window, QStringLiteral("mnuVisit"), QStringLiteral("&Visit Us Online"))),
      // The access key differs between the families.
      mnuUpdate(CreateCommand(window, QStringLiteral("mnuUpdate"),
                              family == MenuFamily::Result
                                  ? QStringLiteral("&Check for Software Update")
                                  : QStringLiteral("Check for Software &Update"))),
      mnuAbout(
          CreateCommand(window, QStringLiteral("mnuAbout"), QStringLiteral("&About Software"))),
      mnuMakeMoneyOnline(CreateCommand(window,
                                       family == MenuFamily::Main
                                           ? QStringLiteral("mkmoney")
                                           : QStringLiteral("mnuMakeMoneyOnline"),
                                       QStringLiteral("Make Money &Online"))),
      platform_(platform)
{
    connect(mnuOnline, &QAction::triggered, this, &HelpCommands::mnuOnline_Click);
    connect(mnuVisit, &QAction::triggered, this, &HelpCommands::mnuVisit_Click);
    connect(mnuUpdate, &QAction::triggered, this, &HelpCommands::mnuUpdate_Click);
    // Switched off in every window's design; shown greyed.
    mnuMakeMoneyOnline->setEnabled(false);
    connect(mnuMakeMoneyOnline, &QAction::triggered, this, &HelpCommands::mnuMakeMoneyOnline_Click);
}

void HelpCommands::mnuOnline_Click()
{
    OpenWebPage(platform_, WebPage::HelpWebPage);
}

void HelpCommands::mnuVisit_Click()
{
    OpenWebPage(platform_, WebPage::HomePage);
}

void HelpCommands::mnuUpdate_Click()
{
    OpenWebPage(platform_, WebPage::DownloadWebPage);
}

void HelpCommands::mnuMakeMoneyOnline_Click()
{
    OpenWebPage(platform_, WebPage::FullyBranded);
}

QList<QAction*> ArrangeMenuBar(QWidget* window, MenuFamily family,
                               const QList<QAction*>& fileCommands, const HelpCommands& help)
{
    auto* file = new QMenu(QStringLiteral("&File"), window);
    file->setObjectName(QStringLiteral("mnuFile"));
    file->menuAction()->setObjectName(QStringLiteral("mnuFile"));
    file->addActions(fileCommands);

    // The separators' names differ between the families.
    const auto [separator1, separator2] =
        family == MenuFamily::Main           ? std::pair{"mnuSep1", "mnuSep2"}
        : family == MenuFamily::BirthDetails ? std::pair{"mnuHelp1", "mnuHelp2"}
                                             : std::pair{"mnuFileSep1", "mnuFileSep2"};
    auto* menu = new QMenu(QStringLiteral("&Help"), window);
    menu->setObjectName(QStringLiteral("mnuHelp"));
    menu->menuAction()->setObjectName(QStringLiteral("mnuHelp"));
    menu->addAction(help.mnuOnline);
    menu->addAction(help.mnuVisit);
    menu->addSeparator()->setObjectName(QString::fromLatin1(separator1));
    menu->addAction(help.mnuUpdate);
    menu->addSeparator()->setObjectName(QString::fromLatin1(separator2));
    menu->addAction(help.mnuAbout);

    return {file->menuAction(), menu->menuAction(), help.mnuMakeMoneyOnline};
}

} // namespace orbis
