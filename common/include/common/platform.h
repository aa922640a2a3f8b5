// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The one seam between the program and the desktop: messages, browser, settings, lock, clock,
// screen.
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
    // False only when a live copy of this program holds the lock for this user. True otherwise,
    // with the lock held from then on where it could be made.
    virtual bool tryLockInstance() = 0;
    // Shows the main window maximised as the desktop does it.
    virtual void showMaximized(QWidget* window) = 0;
    virtual QDateTime now() = 0;
    virtual double screenWidthTwips() = 0;
    // The executable's file name without extension, which names the settings.
    virtual QString applicationName() = 0;
};

} // namespace orbis
