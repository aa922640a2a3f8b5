// The one seam between the program and the desktop: messages, browser, settings, lock, clock, screen.
#pragma once

#include <QDateTime>
#include <QString>
#include <QUrl>

class QWidget;

namespace orbis {

enum class MessageIcon { None, Information };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

class Platform {
public:
    virtual ~Platform() = default;

    // Modal; `parent` may be null.
    virtual MessageAnswer showMessage(QWidget* parent, const QString& text, const QString& title,
                                      MessageIcon icon, MessageButtons buttons) = 0;
    // Fire and forget: the outcome is not reported.
    virtual void openUrl(const QUrl& url) = 0;
    // A value never written reads as the empty text; a write can fail.
    virtual QString readSetting(const QString& application, const QString& section,
                                const QString& key) = 0;
    virtual bool writeSetting(const QString& application, const QString& section,
                              const QString& key, const QString& value) = 0;
    // True when no other copy of this program runs for this user; the lock is held from then on.
    virtual bool tryLockInstance() = 0;
    virtual QDateTime now() = 0;
    virtual double screenWidthTwips() = 0;
    // The executable's file name without extension, which names the settings.
    virtual QString applicationName() = 0;
};

} // namespace orbis
