// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Orbis Tessary: rising sign, midheaven and descendant readings.
#include "common/qt_platform.h"
#include "shell/font_configuration.h"
#include "shell/program.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    orbis::FontConfigurationPreload fonts;
    QApplication application(argc, argv);
    orbis::ConfigureApplication(application);
    orbis::QtPlatform platform;
    orbis::Program program(platform, [] { QCoreApplication::quit(); });
    return program.start() ? QApplication::exec() : 0;
}
