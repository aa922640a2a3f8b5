// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The platform seam on Qt.
#include "common/qt_platform.h"

#include "common/program_identity.h"
#include "common/twips.h"
#include "settings_file.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>
#include <QStyle>
#include <QSysInfo>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

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

// A lock file names the machine of the copy that wrote it: its host id from the fourth line on,
// before that its host name. The runtime folder belongs to this machine, so a lock that another
// one wrote (a copied home, a shared temporary folder) cannot be a copy running here.
bool WrittenOnAnotherMachine(const QString& lockPath)
{
    QFile file(lockPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QList<QByteArray> lines = file.read(4096).split('\n');
    if (lines.size() < 4)
        return false; // cut short: no machine named
    const QByteArray hostId = lines.value(3);
    const QByteArray ourHostId = QSysInfo::machineUniqueId();
    if (!hostId.isEmpty() && !ourHostId.isEmpty())
        return hostId != ourHostId;
    const QString host = QString::fromUtf8(lines[2]);
    return !host.isEmpty() && host != QSysInfo::machineHostName();
}

// The folder for the lock, private to this user: the runtime folder, or where there is none their
// cache folder; never a shared one such as /tmp, where another user could plant what blocks a
// start. Empty when neither is usable.
QString PrivateFolder()
{
    const QString candidates[] = {
        qEnvironmentVariable("XDG_RUNTIME_DIR"),
        QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)};
    for (const QString& folder : candidates) {
        if (folder.isEmpty() || !QDir::isAbsolutePath(folder))
            continue;
        QDir().mkpath(folder);
        struct stat info {};
        if (::lstat(QFile::encodeName(folder).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
            info.st_uid == ::geteuid() && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0)
            return folder;
    }
    return {};
}

// A live copy's lock is always a plain file. Anything else at its path (a pipe, socket, device,
// folder or link) is no copy's, and QLockFile would open it and might wait on it for ever: it is
// cleared where it is the user's own. False when something other than a plain file stays there.
bool ClearNonLock(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0)
        return errno == ENOENT;
    if (S_ISREG(info.st_mode))
        return true;
    if (info.st_uid != ::geteuid())
        return false;
    return (S_ISDIR(info.st_mode) ? ::rmdir(name.constData()) : ::unlink(name.constData())) == 0;
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
    // The other values in the file are kept; a file that cannot be read is left alone.
    const QString path = SettingsFilePath(QString::fromLatin1(kOrganisation), application);
    std::optional<QVariantMap> values = ReadSettings(path);
    if (!values)
        return false;
    values->insert(section + QLatin1Char('/') + key, value);
    return WriteSettings(path, *values);
}

QString QtPlatform::lockFilePath(const QString& application)
{
    const QString folder = PrivateFolder();
    if (folder.isEmpty())
        return {};
    const QString user = qEnvironmentVariable("USER", QStringLiteral("user"));
    return folder + QLatin1Char('/') + application + QLatin1Char('-') + user +
           QStringLiteral(".lock");
}

bool QtPlatform::tryLockInstance()
{
    const QString path = lockFilePath(applicationName());
    const QString clearingPath = path + QStringLiteral(".rmlock");
    // No place for a lock, or one taken by what cannot be cleared: nothing proves that a copy
    // runs.
    if (path.isEmpty() || !ClearNonLock(path) || !ClearNonLock(clearingPath))
        return true;
    auto lock = std::make_unique<QLockFile>(path);
    // Zero: a lock is stale only when its owner process is gone, however old it is.
    lock->setStaleLockTime(0);
    // A copy that has only just made the lock may not have written its process id into it yet.
    constexpr int kAttempts = 10;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (lock->tryLock(100)) {
            instanceLock_ = std::move(lock);
            return true;
        }
        // No folder, no room, no permission: nothing proves that a copy runs.
        if (lock->error() != QLockFile::LockFailedError)
            return true;
        // A dead owner's lock has been cleared by tryLock already; one that names a process on
        // this machine is a live copy's.
        qint64 owner = 0;
        QString host;
        QString application;
        if (lock->getLockInfo(&owner, &host, &application)) {
            if (!WrittenOnAnotherMachine(path))
                return false;
            // No copy here holds it. Starting copies clear it one at a time, each looking again
            // first, so that none clears the lock another has just taken.
            QLockFile clearing(clearingPath);
            if (clearing.tryLock(100) && WrittenOnAnotherMachine(path))
                lock->removeStaleLockFile();
        }
    }
    // A lock that no copy wrote, such as one cut short by a full disk: take it over.
    lock->removeStaleLockFile();
    if (lock->tryLock(0))
        instanceLock_ = std::move(lock);
    return true;
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
