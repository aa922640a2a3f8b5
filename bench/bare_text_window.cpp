// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Second start-up reference: the bare window plus the least text a program like ours can show, a
// menu bar with one menu and one line of text. Its distance from the bare window is what drawing
// any text costs (font configuration, font files, shaping), before anything of ours.
#include "first_paint.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

int main(int argc, char* argv[])
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    QApplication application(argc, argv);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar); // as the program does
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    auto* central = new QWidget(&window);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(new QLabel(QStringLiteral("Welcome"), central));
    layout->addWidget(new QMdiArea(central), 1);
    window.setCentralWidget(central);
    orbis::bench::QuitOnFirstPaint probe(&window, sinceMain);
    if (const QScreen* screen = window.screen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    return QApplication::exec();
}
