// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Renders every window of the program to PNG files, for the documentation and for review.
#include "shell/about_window.h"
#include "shell/main_window.h"
#include "shell/program.h"
#include "support/reading_fixture.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

using namespace orbis;

namespace {

void Save(QWidget* widget, const QString& folder, const QString& name)
{
    QApplication::processEvents();
    widget->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// Each reading's birth-details window and result, and the main window holding a result.
void SaveReadings(testing::ReadingFixture& fixture, const QString& folder)
{
    const std::pair<ReadingKind, const char*> readings[] = {
        {ReadingKind::RisingSign, "rising-sign"},
        {ReadingKind::Midheaven, "midheaven"},
        {ReadingKind::Descendant, "descendant"},
    };
    const testing::BirthEntry entry{.name = QStringLiteral("ADA LOVELACE"),
                                    .day = 10,
                                    .month = 4,
                                    .year = 1985,
                                    .band = QStringLiteral("8am-10am")};
    for (const auto& [kind, name] : readings) {
        QWidget* details = fixture.open(kind);
        Save(details->parentWidget(), folder,
             QString::fromLatin1(name) + QStringLiteral("-details"));
        testing::Enter(details, entry);
        details->findChild<QPushButton*>(QStringLiteral("cmdProceed"))->click();
        QWidget* result = fixture.result(kind);
        Save(result->parentWidget(), folder, QString::fromLatin1(name) + QStringLiteral("-result"));
        if (kind == ReadingKind::RisingSign)
            Save(fixture.main(), folder, QStringLiteral("main-window-with-result"));
    }
}

// The Help menu the bar shows now, as it drops down.
void SaveHelpMenu(MainWindow* main, const QString& folder, const QString& name)
{
    for (QAction* top : main->menuBar()->actions()) {
        if (top->menu() && top->objectName() == QStringLiteral("mnuHelp")) {
            top->menu()->popup(QPoint(0, 0));
            Save(top->menu(), folder, name);
            top->menu()->hide();
        }
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    ConfigureApplication(application);
    const QString folder =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
    QDir().mkpath(folder);

    testing::ReadingFixture fixture;
    fixture.platform.screenWidth = 1280 * 15;
    fixture.start();
    MainWindow* main = fixture.main();
    main->setGeometry(0, 0, 1280, 1000);
    Save(main, folder, QStringLiteral("main-window"));
    SaveReadings(fixture, folder);

    // The Help menu of the main window's family and of the birth-details windows'.
    main->readingWindows().unloadAll();
    QApplication::processEvents();
    SaveHelpMenu(main, folder, QStringLiteral("help-menu-main"));
    main->readingWindows().OpenReading(ReadingKind::RisingSign);
    QApplication::processEvents();
    SaveHelpMenu(main, folder, QStringLiteral("help-menu-details"));

    QTimer::singleShot(0, [&] {
        if (QWidget* about = QApplication::activeModalWidget()) {
            Save(about, folder, QStringLiteral("about"));
            about->close();
        }
    });
    AboutWindow::ShowModal(fixture.platform, main);
    return 0;
}
