// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/reading_fixture.h"

#include "shell/main_window.h"
#include "shell/program.h"
#include "support/widget_helpers.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace orbis::testing {

ReadingFixture::ReadingFixture() = default;
ReadingFixture::~ReadingFixture()
{
    stop();
}

bool ReadingFixture::start()
{
    stop();
    program_ = std::make_unique<Program>(platform, [this] { ++endRequests; });
    return program_->start();
}

void ReadingFixture::stop()
{
    if (!program_)
        return;
    program_.reset();
    FlushDeletes();
}

MainWindow* ReadingFixture::main() const
{
    return program_ ? program_->mainWindow() : nullptr;
}

ReadingState& ReadingFixture::readings() const
{
    return program_->readings();
}

QWidget* ReadingFixture::open(ReadingKind kind)
{
    main()->readingWindows().OpenReading(kind);
    return details(kind);
}

QWidget* ReadingFixture::details(ReadingKind kind) const
{
    return main()->readingWindows().readingWindow(SlotsOf(kind).details);
}

QWidget* ReadingFixture::result(ReadingKind kind) const
{
    return main()->readingWindows().readingWindow(SlotsOf(kind).result);
}

QWidget* ReadingFixture::read(ReadingKind kind, const BirthEntry& entry)
{
    QWidget* window = open(kind);
    Enter(window, entry);
    Proceed(window);
    return result(kind);
}

void Enter(QWidget* details, const BirthEntry& entry)
{
    details->findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(entry.name);
    details->findChild<QComboBox*>(QStringLiteral("cmbDate"))->setCurrentIndex(entry.day - 1);
    details->findChild<QComboBox*>(QStringLiteral("cmbMonth"))->setCurrentIndex(entry.month - 1);
    details->findChild<QComboBox*>(QStringLiteral("cmbYear"))
        ->setCurrentText(QString::number(entry.year));
    details->findChild<QComboBox*>(QStringLiteral("cmbTime"))->setCurrentText(entry.band);
}

void Proceed(QWidget* details)
{
    QTest::mouseClick(details->findChild<QPushButton*>(QStringLiteral("cmdProceed")),
                      Qt::LeftButton);
}

} // namespace orbis::testing
