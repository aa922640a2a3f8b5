// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// frmMDI: the main window with its strips, welcome panel and the reading windows inside.
#pragma once

#include "shell/reading_windows.h"

#include <QList>
#include <QMainWindow>

#include <memory>

class QAction;
class QButtonGroup;
class QPushButton;

namespace orbis {

class HelpCommands;
class LinkLabel;
class ReadingWindow;
class WelcomePanel;

class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Platform& platform, ReadingState& readings);
    ~MainWindow() override;

    // The reading windows inside, which OpenReading opens.
    ReadingWindows& readingWindows() const { return *readingWindows_; }

    // Restored from maximised: the strips whole and the design's height. Smaller, the strips
    // lose controls.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The main window has been unloaded: the program is to end.
    void ended();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private slots:
    void cmdSelectOption_Click(int index);
    void mnuAbout_Click();
    // The bar carries the menus of the reading window on screen, or the main window's own.
    void showMenusOf(const ReadingWindow* reading);

private:
    void createActions();
    void createStrips();
    QWidget* createBannerStrip(QWidget* central);
    QWidget* createOptionStrip(QWidget* central);
    QWidget* createWorkArea(QWidget* central);
    QWidget* createFooter(QWidget* central);
    void createMenus();
    void placeFromScreenWidth();
    // The strips with all their controls, placed from the screen's width, and the menu bar.
    QSize stripsSize() const;

    Platform& platform_;
    ReadingState& readings_;
    double screenWidth_ = 0; // twips

    QAction* mnuExit_ = nullptr;
    HelpCommands* help_ = nullptr;
    QList<QAction*> mainMenus_;
    LinkLabel* lblSelvaneBanner_ = nullptr;
    QWidget* picButtonContainer_ = nullptr;
    QButtonGroup* cmdSelectOption_ = nullptr;
    WelcomePanel* picMain_ = nullptr;
    // Owned here alone, not by a parent: as a member it goes after this destructor's body and
    // before the base class deletes the widgets, so the reading windows go first, while
    // everything they call back into still stands.
    std::unique_ptr<ReadingWindows> readingWindows_;
    QPushButton* cmdMdiExit_ = nullptr;
};

} // namespace orbis
