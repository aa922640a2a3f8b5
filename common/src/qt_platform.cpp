// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The platform seam on Qt.
#include "common/qt_platform.h"

#include "common/program_identity.h"
#include "common/twips.h"
#include "instance_lock.h"
#include "settings_file.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace orbis {

namespace {

constexpr auto kOrganisation = identity::kOrganisation;
// A window's frame beside its client area: thin borders at the sides, the title bar and borders
// above and below, and on Wayland a panel that the screen's available room does not leave out.
constexpr QSize kFrameAllowance{4, 96};

xcb_atom_t Atom(xcb_connection_t* connection, const char* name)
{
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 1, static_cast<std::uint16_t>(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The window that `window` names in its _NET_SUPPORTING_WM_CHECK property, or none.
xcb_window_t CheckWindow(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t check)
{
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(connection, 0, window, check, XCB_ATOM_WINDOW, 0, 1);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    if (!reply || xcb_get_property_value_length(reply.get()) < 4)
        return XCB_WINDOW_NONE;
    return *static_cast<xcb_window_t*>(xcb_get_property_value(reply.get()));
}

// On X11 a window manager announces itself on the root window, and on a window of its own that
// names itself, so that an announcement left behind by one that has gone is not believed.
// Wayland compositors and other platforms always place windows.
bool WindowManagerPlacesWindows()
{
    const auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return true;
    xcb_connection_t* connection = x11->connection();
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const xcb_atom_t check = Atom(connection, "_NET_SUPPORTING_WM_CHECK");
    if (!screen || check == XCB_ATOM_NONE)
        return false;
    const xcb_window_t manager = CheckWindow(connection, screen->root, check);
    return manager != XCB_WINDOW_NONE && CheckWindow(connection, manager, check) == manager;
}

} // namespace

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

MessageAnswer QtPlatform::showMessage(QWidget* parent, const QString& text, const QString& title,
                                      MessageIcon icon, MessageButtons buttons)
{
    QMessageBox box(
        icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon, title,
        text,
        buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
        parent);
    const int answer = box.exec();
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

void QtPlatform::openUrl(const QUrl& url)
{
    QDesktopServices::openUrl(url);
}

QString QtPlatform::readSetting(const QString& application, const QString& section,
                                const QString& key)
{
    const std::optional<QVariantMap> values =
        ReadSettings(SettingsFilePath(QString::fromLatin1(kOrganisation), application));
    return values ? values->value(section + QLatin1Char('/') + key).toString() : QString();
}

bool QtPlatform::writeSetting(const QString& application, const QString& section,
                              const QString& key, const QString& value)
{
    return WriteSetting(SettingsFilePath(QString::fromLatin1(kOrganisation), application), section,
                        key, value);
}

bool QtPlatform::tryLockInstance()
{
    instanceLock_ = std::make_unique<InstanceLock>();
    return instanceLock_->tryLock(applicationName() + QStringLiteral(".lock"));
}

void QtPlatform::showMaximized(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (screen) {
        const QRect available = screen->availableGeometry();
        const QSize room = available.size() - kFrameAllowance;
        // On Wayland a minimum larger than the room the compositor gives ends the program.
        window->setMinimumSize(window->minimumSize().boundedTo(room));
        // The size and place the window takes when the user restores it from maximised.
        window->setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter,
                                                window->sizeHint().boundedTo(room), available));
    }
    // Without a window manager nobody acts on a maximise request, so fill the screen here.
    if (!WindowManagerPlacesWindows()) {
        if (screen)
            window->setGeometry(screen->availableGeometry());
        window->show();
        return;
    }
    window->showMaximized();
}

QDateTime QtPlatform::now()
{
    return QDateTime::currentDateTime();
}

double QtPlatform::screenWidthTwips()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? PixelsToTwips(screen->geometry().width()) : 0.0;
}

QString QtPlatform::applicationName()
{
    const QString path = QCoreApplication::applicationFilePath();
    return path.isEmpty() ? QString::fromLatin1(identity::kApplicationName)
                          : QFileInfo(path).completeBaseName();
}

} // namespace orbis
