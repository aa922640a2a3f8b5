// The platform seam on Qt.
#include "qt_platform.h"

#include "twips.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>

namespace orbis {

namespace {
constexpr auto kOrganisation = "Selvane";
}

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

MessageAnswer QtPlatform::showMessage(QWidget* parent, const QString& text, const QString& title,
                                      MessageIcon icon, MessageButtons buttons)
{
    QMessageBox box(icon == MessageIcon::Information ? QMessageBox::Information
                                                     : QMessageBox::NoIcon,
                    title, text,
                    buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                                     : QMessageBox::Ok,
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
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, application);
    return settings.value(section + QLatin1Char('/') + key).toString();
}

bool QtPlatform::writeSetting(const QString& application, const QString& section,
                              const QString& key, const QString& value)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, application);
    if (!settings.isWritable())
        return false;
    settings.setValue(section + QLatin1Char('/') + key, value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QString QtPlatform::lockFilePath(const QString& application)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    // The runtime folder is per user already; the temporary one may be shared, so name the user.
    const QString user = qEnvironmentVariable("USER", QStringLiteral("user"));
    return folder + QLatin1Char('/') + application + QLatin1Char('-') + user + QStringLiteral(".lock");
}

bool QtPlatform::tryLockInstance()
{
    auto lock = std::make_unique<QLockFile>(lockFilePath(applicationName()));
    // Zero: a lock is stale only when its owner process is gone, however old it is.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(100))
        return false;
    instanceLock_ = std::move(lock);
    return true;
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
    return path.isEmpty() ? QStringLiteral("OrbisFreeTessary") : QFileInfo(path).completeBaseName();
}

} // namespace orbis
