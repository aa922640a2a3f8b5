// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// A platform for tests: messages answered at once (or shown for real), pages and settings recorded,
// clock and screen set.
#pragma once

#include "common/platform.h"
#include "common/program_identity.h"
#include "shell/update_reminder.h"

#include <QList>
#include <QMap>
#include <QStringList>
#include <QWidget>

namespace orbis::testing {

struct ShownMessage {
    QString text;
    QString title;
    MessageIcon icon;
    MessageButtons buttons;
};

class FakePlatform final : public Platform {
public:
    MessageAnswer showMessage(QWidget* parent, const QString& text, const QString& title,
                              MessageIcon icon, MessageButtons buttons) override
    {
        messages.append({text, title, icon, buttons});
        events.append(QStringLiteral("message"));
        if (messagesTo)
            return messagesTo->showMessage(parent, text, title, icon, buttons);
        if (buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        return answers.isEmpty() ? MessageAnswer::No : answers.takeFirst();
    }
    void openUrl(const QUrl& url) override
    {
        opened.append(url);
        events.append(QStringLiteral("open"));
    }
    QString readSetting(const QString& application, const QString& section,
                        const QString& key) override
    {
        events.append(QStringLiteral("read"));
        return settings.value(application + '/' + section + '/' + key);
    }
    bool writeSetting(const QString& application, const QString& section, const QString& key,
                      const QString& value) override
    {
        events.append(QStringLiteral("write"));
        if (writesFail)
            return false;
        settings[application + '/' + section + '/' + key] = value;
        return true;
    }
    bool tryLockInstance() override
    {
        events.append(QStringLiteral("lock"));
        return lockFree;
    }
    void showMaximized(QWidget* window) override
    {
        events.append(QStringLiteral("show"));
        // The whole screen at once, as the desktop gives it; the offscreen platform would first
        // show a small window and maximise it to its own screen only events later.
        window->setGeometry(0, 0, qRound(screenWidth / 15), screenHeight);
        window->show();
    }
    QDateTime now() override { return clock; }
    double screenWidthTwips() override { return screenWidth; }
    QString applicationName() override { return application; }

    // Where the reminder's date of `application` is kept in `settings`.
    static QString DurationKey(const QString& application)
    {
        return application + '/' + kSettingsSection + '/' + kLastReminderKey;
    }
    QString duration() const { return settings.value(DurationKey(application)); }
    void setDuration(const QString& value) { settings[DurationKey(application)] = value; }

    QList<ShownMessage> messages;
    QList<MessageAnswer> answers;
    QList<QUrl> opened;
    QStringList events;
    QMap<QString, QString> settings;
    bool writesFail = false;
    bool lockFree = true;
    QDateTime clock{QDate(2026, 12, 8), QTime(10, 30, 0)};
    // A laptop's screen: width in twips, height in pixels.
    double screenWidth = 1366 * 15;
    int screenHeight = 768;
    // Where set, messages are also shown by it (a real box) and answered as it answers.
    Platform* messagesTo = nullptr;
    QString application = QString::fromLatin1(identity::kApplicationName);
};

} // namespace orbis::testing
