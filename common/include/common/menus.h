// The menu bar of the three window families: main window, birth-details windows, result windows.
#pragma once

#include <QList>
#include <QString>
#include <functional>

class QAction;
class QWidget;

namespace orbis {

class Platform;

enum class MenuFamily { Main, BirthDetails, Result };

struct MenuCommands {
    // The first File item of the reading windows (Proceed or Back); unused in the main window.
    QString firstName;
    QString firstCaption;
    std::function<void()> first;
    std::function<void()> exit;
    std::function<void()> about;
};

// Builds the File and Help menus and the switched-off money item, owned by `owner`.
// Returns the top-level entries in menu bar order.
QList<QAction*> BuildMenuBar(QWidget* owner, MenuFamily family, const MenuCommands& commands,
                             Platform& platform);

} // namespace orbis
