// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the stored reminder date, as any text under a handful of locales.
#include "fuzz_check.h"

#include "shell/update_reminder.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>

namespace {

// Locales whose formats earlier releases may have written: the first byte picks one.
const std::array<QLocale, 8>& Locales()
{
    static const std::array<QLocale, 8> locales{
        QLocale::c(),
        QLocale(QLocale::English, QLocale::UnitedStates),
        QLocale(QLocale::English, QLocale::UnitedKingdom),
        QLocale(QLocale::German, QLocale::Germany),
        QLocale(QLocale::French, QLocale::France),
        QLocale(QLocale::Japanese, QLocale::Japan),
        QLocale(QLocale::Arabic, QLocale::Egypt),
        QLocale(QLocale::Persian, QLocale::Iran),
    };
    return locales;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    QLocale::setDefault(Locales()[data[0] % Locales().size()]);
    const QString stored = QString::fromUtf8(reinterpret_cast<const char*>(data + 1),
                                             static_cast<qsizetype>(size - 1));

    const QDateTime parsed = orbis::ParseLastReminder(stored);
    if (!parsed.isValid())
        return 0;
    // What the program writes back is read again as the same day.
    const QString written = parsed.toString(Qt::ISODate);
    const QDateTime again = orbis::ParseLastReminder(written);
    if (!again.isValid() || again.date() != parsed.date()) {
        std::fprintf(stderr, "read %s, wrote %s, read back %s\n", qPrintable(parsed.toString()),
                     qPrintable(written), qPrintable(again.toString()));
    }
    FUZZ_CHECK(again.isValid());
    FUZZ_CHECK(again.date() == parsed.date());
    return 0;
}
