// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and the end of the program.
#include "shell/program.h"

#include "common/fonts.h"
#include "common/platform.h"
#include "common/program_identity.h"
#include "common/program_style.h"
#include "common/ready_drawn.h"
#include "shell/main_window.h"
#include "shell/update_reminder.h"

#include <QApplication>

namespace orbis {

namespace {

// Ready-drawn sizes: the window system asks for each size the icon has, and drawing the vector
// original at every one of them would hold up the first paint.
QIcon ProgramIcon()
{
    return ReadyDrawnIcon({":/icons/program/16.png", ":/icons/program/32.png",
                           ":/icons/program/48.png", ":/icons/program/64.png"});
}

} // namespace

void ConfigureApplication(QApplication& application)
{
    QApplication::setApplicationName(QString::fromLatin1(identity::kApplicationName));
    // No display name: Qt would append it to every window's caption.
    QApplication::setApplicationVersion(QString::fromLatin1(identity::kVersion));
    QApplication::setOrganizationName(QString::fromLatin1(identity::kOrganisation));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(identity::kDesktopId));
    // Every window's icon, the message boxes shown before the main window included.
    QApplication::setWindowIcon(ProgramIcon());
    // The menus stay in the window, where the readings' design puts them. Asking the desktop for a
    // global menu bar also costs a session-bus round trip (or a failed bus start-up) before the
    // first paint.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication::setStyle(new ProgramStyle);
    RegisterFontSubstitutes();
    application.setFont(Verdana(8.25));
}

Program::Program(Platform& platform, std::function<void()> endProgram)
    : platform_(platform), endProgram_(std::move(endProgram))
{
}

Program::~Program() = default;

bool Program::start()
{
    if (!platform_.tryLockInstance()) {
        platform_.showMessage(nullptr, QStringLiteral("Application is already running"),
                              ProgramTitle(), MessageIcon::Information, MessageButtons::Ok);
        return false;
    }
    RemindOfUpdate(platform_);

    mainWindow_ = std::make_unique<MainWindow>(platform_, readings_);
    QObject::connect(mainWindow_.get(), &MainWindow::ended, mainWindow_.get(),
                     [this] { endProgram_(); });
    platform_.showMaximized(mainWindow_.get());
    return true;
}

} // namespace orbis
