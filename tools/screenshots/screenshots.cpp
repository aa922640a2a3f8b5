// Renders every window of the program to PNG files, for the documentation and for review.
#include "../../tests/ui/fake_platform.h"
#include "shell/about_window.h"
#include "shell/main_window.h"
#include "shell/program.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMdiSubWindow>
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

void Enter(QWidget* details, int day, int month, const QString& band)
{
    details->findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("ADA LOVELACE"));
    details->findChild<QComboBox*>(QStringLiteral("cmbDate"))->setCurrentIndex(day - 1);
    details->findChild<QComboBox*>(QStringLiteral("cmbMonth"))->setCurrentIndex(month - 1);
    details->findChild<QComboBox*>(QStringLiteral("cmbYear"))->setCurrentText(QStringLiteral("1985"));
    details->findChild<QComboBox*>(QStringLiteral("cmbTime"))->setCurrentText(band);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    ConfigureApplication(application);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
    QDir().mkpath(folder);

    testing::FakePlatform platform;
    platform.screenWidth = 1280 * 15;
    Program program(platform, [] {});
    program.start();
    MainWindow* main = program.mainWindow();
    main->setGeometry(0, 0, 1280, 1000);
    Save(main, folder, QStringLiteral("main-window"));

    const struct {
        ReadingKind kind;
        ReadingSlot details;
        ReadingSlot result;
        const char* name;
    } readings[] = {
        {ReadingKind::RisingSign, ReadingSlot::RisingSignDetails, ReadingSlot::RisingSignResult, "rising-sign"},
        {ReadingKind::Midheaven, ReadingSlot::MidheavenDetails, ReadingSlot::MidheavenResult, "midheaven"},
        {ReadingKind::Descendant, ReadingSlot::DescendantDetails, ReadingSlot::DescendantResult, "descendant"},
    };
    for (const auto& reading : readings) {
        main->OpenReading(reading.kind);
        QWidget* details = main->readingWindow(reading.details);
        Save(details->parentWidget(), folder, QString::fromLatin1(reading.name) + QStringLiteral("-details"));
        Enter(details, 10, 4, QStringLiteral("8am-10am"));
        details->findChild<QPushButton*>(QStringLiteral("cmdProceed"))->click();
        QWidget* result = main->readingWindow(reading.result);
        Save(result->parentWidget(), folder, QString::fromLatin1(reading.name) + QStringLiteral("-result"));
        if (reading.kind == ReadingKind::RisingSign)
            Save(main, folder, QStringLiteral("main-window-with-result"));
    }

    // The Help menu of each window family, as it drops down.
    main->unloadReadingWindows();
    QApplication::processEvents();
    auto saveHelp = [&](const QString& name) {
        for (QAction* top : main->menuBar()->actions()) {
            if (top->menu() && top->objectName() == QStringLiteral("mnuHelp")) {
                top->menu()->popup(QPoint(0, 0));
                Save(top->menu(), folder, name);
                top->menu()->hide();
            }
        }
    };
    saveHelp(QStringLiteral("help-menu-main"));
    main->OpenReading(ReadingKind::RisingSign);
    QApplication::processEvents();
    saveHelp(QStringLiteral("help-menu-details"));

    QTimer::singleShot(0, [&] {
        if (QWidget* about = QApplication::activeModalWidget()) {
            Save(about, folder, QStringLiteral("about"));
            about->close();
        }
    });
    main->showAbout(main);
    return 0;
}
