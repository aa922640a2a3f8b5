// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up probe: the program's own start, as in main.cpp, ended after the first paint.
#include "common/qt_platform.h"
#include "first_paint.h"
#include "shell/font_configuration.h"
#include "shell/main_window.h"
#include "shell/program.h"

#include <QApplication>
#include <QElapsedTimer>

int main(int argc, char* argv[])
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    orbis::FontConfigurationPreload fonts;
    QApplication application(argc, argv);
    orbis::ConfigureApplication(application);
    orbis::QtPlatform platform;
    orbis::Program program(platform, [] { QCoreApplication::quit(); });
    if (!program.start())
        return 1;
    orbis::bench::QuitOnFirstPaint probe(program.mainWindow(), sinceMain);
    return QApplication::exec();
}
