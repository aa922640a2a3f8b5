// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The update reminder.
#include "shell/update_reminder.h"

#include "common/platform.h"
#include "common/program_identity.h"
#include "common/web_pages.h"

#include <QLocale>
#include <QStringList>

namespace orbis {

namespace {

QDateTime ParseLocaleDateTime(const QString& text, const QLocale& locale)
{
    for (const QLocale::FormatType type : {QLocale::ShortFormat, QLocale::LongFormat}) {
        QString dateFormat = locale.dateFormat(type);
        // Earlier releases wrote four-digit years even where the locale's short format has two.
        if (!dateFormat.contains(QStringLiteral("yyyy")))
            dateFormat.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
        // An earlier release wrote the date, then the time with seconds, which is left out at
        // midnight.
        const QStringList formats{locale.dateTimeFormat(type),
                                  dateFormat + QStringLiteral(" h:mm:ss AP"),
                                  dateFormat + QStringLiteral(" H:mm:ss"), dateFormat};
        for (const QString& format : formats) {
            QDateTime parsed = locale.toDateTime(text, format);
            if (!parsed.isValid()) {
                const QDate date = locale.toDate(text, format);
                if (date.isValid())
                    parsed = date.startOfDay();
            }
            if (parsed.isValid())
                return parsed;
        }
    }
    return {};
}

QString NowAsText(Platform& platform)
{
    return platform.now().toString(Qt::ISODate);
}

// Years ISO 8601 can write back; anything outside is no date an earlier release ever stored.
QDateTime Plausible(const QDateTime& parsed)
{
    return parsed.isValid() && parsed.date().year() >= 1 && parsed.date().year() <= 9999
               ? parsed
               : QDateTime();
}

} // namespace

QDateTime ParseLastReminder(const QString& stored)
{
    const QString text = stored.trimmed();
    if (text.isEmpty())
        return {};
    QDateTime parsed = Plausible(QDateTime::fromString(text, Qt::ISODate));
    if (parsed.isValid())
        return parsed;
    parsed = Plausible(ParseLocaleDateTime(text, QLocale()));
    if (parsed.isValid())
        return parsed;
    return Plausible(ParseLocaleDateTime(text, QLocale(QLocale::English, QLocale::UnitedStates)));
}

void RemindOfUpdate(Platform& platform)
{
    const QString application = platform.applicationName();
    const QString section = QString::fromLatin1(kSettingsSection);
    const QString key = QString::fromLatin1(kLastReminderKey);

    const QDateTime last = ParseLastReminder(platform.readSetting(application, section, key));
    // A first start, and a value nobody can read, both start the count afresh without a question.
    if (!last.isValid()) {
        platform.writeSetting(application, section, key, NowAsText(platform));
        return;
    }

    const qint64 dayDifference = platform.now().date().daysTo(last.date());
    if (dayDifference >= -ReminderIntervalDays && dayDifference <= ReminderIntervalDays)
        return;

    const MessageAnswer answer =
        platform.showMessage(nullptr,
                             QStringLiteral("There maybe an update to this software available") +
                                 QChar(13) + QStringLiteral("Do you want to check for an update?"),
                             ProgramTitle(), MessageIcon::Information, MessageButtons::YesNo);
    // A failed write must not swallow the answer: the page opens all the same.
    platform.writeSetting(application, section, key, NowAsText(platform));
    if (answer == MessageAnswer::Yes)
        OpenWebPage(platform, WebPage::DownloadWebPage);
}

} // namespace orbis
