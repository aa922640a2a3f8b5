// One builder for the menu bars of every window.
#include "common/menus.h"

#include "common/web_pages.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace orbis {

namespace {

QAction* AddItem(QMenu* menu, const QString& name, const QString& caption,
                 std::function<void()> action)
{
    QAction* item = menu->addAction(caption);
    item->setObjectName(name);
    QObject::connect(item, &QAction::triggered, menu, [action = std::move(action)] { action(); });
    return item;
}

void AddSeparator(QMenu* menu, const QString& name)
{
    menu->addSeparator()->setObjectName(name);
}

} // namespace

QList<QAction*> BuildMenuBar(QWidget* owner, MenuFamily family, const MenuCommands& commands,
                             Platform& platform)
{
    auto page = [&platform](WebPage p) { return [&platform, p] { OpenWebPage(platform, p); }; };

    auto* file = new QMenu(QStringLiteral("&File"), owner);
    file->setObjectName(QStringLiteral("mnuFile"));
    if (family != MenuFamily::Main)
        AddItem(file, commands.firstName, commands.firstCaption, commands.first);
    AddItem(file, QStringLiteral("mnuExit"), QStringLiteral("E&xit"), commands.exit);

    // The separators' names and the update item's access key differ between the families.
    struct HelpNames {
        QString separator1, separator2, updateCaption;
    };
    const HelpNames names =
        family == MenuFamily::Main ? HelpNames{"mnuSep1", "mnuSep2", "Check for Software &Update"}
        : family == MenuFamily::BirthDetails
            ? HelpNames{"mnuHelp1", "mnuHelp2", "Check for Software &Update"}
            : HelpNames{"mnuFileSep1", "mnuFileSep2", "&Check for Software Update"};

    auto* help = new QMenu(QStringLiteral("&Help"), owner);
    help->setObjectName(QStringLiteral("mnuHelp"));
    AddItem(help, QStringLiteral("mnuOnline"), QStringLiteral("&Online Help"),
            page(WebPage::HelpWebPage));
    AddItem(help, QStringLiteral("mnuVisit"), QStringLiteral("&Visit Us Online"),
            page(WebPage::HomePage));
    AddSeparator(help, names.separator1);
    AddItem(help, QStringLiteral("mnuUpdate"), names.updateCaption, page(WebPage::DownloadWebPage));
    AddSeparator(help, names.separator2);
    AddItem(help, QStringLiteral("mnuAbout"), QStringLiteral("&About Software"), commands.about);

    // Switched off in every window's design; shown greyed.
    auto* money = new QAction(QStringLiteral("Make Money &Online"), owner);
    money->setObjectName(family == MenuFamily::Main ? QStringLiteral("mkmoney")
                                                    : QStringLiteral("mnuMakeMoneyOnline"));
    money->setEnabled(false);
    QObject::connect(money, &QAction::triggered, owner, page(WebPage::FullyBranded));

    file->menuAction()->setObjectName(QStringLiteral("mnuFile"));
    help->menuAction()->setObjectName(QStringLiteral("mnuHelp"));
    return {file->menuAction(), help->menuAction(), money};
}

} // namespace orbis
