// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// What every reading window shares: its menu bar, banner, promotional labels, keys and unloading.
#pragma once

#include "common/twips.h"
#include "windows/reading_host.h"

#include <QColor>
#include <QList>
#include <QPointer>
#include <QWidget>

class QAction;
class QPushButton;
class QMdiSubWindow;

namespace orbis {

class LinkLabel;
enum class MenuFamily;

class ReadingWindow : public QWidget {
    Q_OBJECT
public:
    ReadingWindow(ReadingHost& host, const QString& objectName, const QString& caption);

    // The menus the main window's bar shows while this window is active.
    const QList<QAction*>& menuBarActions() const { return menuBarActions_; }
    // The area the design measures; the menus sit in the main window's bar.
    QWidget* client() const { return client_; }
    // Close this window; its sub-window is destroyed soon after.
    void unload();

protected:
    // The area the design measures: its size in twips and the colours its controls inherit.
    void setUpClient(double width, double height, const QColor& background, const QColor& text);
    // A command of the File menu, in the order of the calls, which `button` triggers too; the
    // window connects it to its handler.
    QAction* addFileCommand(const QString& itemName, const QString& caption, QPushButton* button);
    // The menus, from the File commands and the Help commands every window has; and the button
    // that Enter and Escape press.
    void finishWindow(MenuFamily family, QPushButton* defaultAndCancel);
    // The one-line forum banner on a strip, in the strip's text colour; it opens the home page.
    LinkLabel* addBanner(QWidget* strip, const TwipsBox& box, double points = 9.75);
    // lblFullBrand and lblCobrand on one spot over `background`; only the one in front is seen
    // and clicked.
    void addPromotionalLabels(QWidget* parent, const TwipsBox& box, const QColor& background,
                              bool coBrandInFront);
    // A bold command button with the given face.
    static QPushButton* addButton(QWidget* parent, const QString& name, const QString& caption,
                                  const TwipsBox& box, const QColor& face);
    QMdiSubWindow* subWindow() const;
    // The order in which Tab visits the window's controls, from the one that has the focus first;
    // kept when the window is taken into its frame, which would otherwise split it.
    void setKeyboardOrder(const QList<QWidget*>& order);

    bool event(QEvent* event) override;

    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    ReadingHost& host_;

private slots:
    void mnuAbout_Click();

private:
    QWidget* client_ = nullptr;
    QList<QAction*> fileCommands_;
    QList<QAction*> menuBarActions_;
    // Enter presses it unless another button has the focus; Escape always.
    QPushButton* defaultAndCancel_ = nullptr;
    QList<QPointer<QWidget>> keyboardOrder_;
};

} // namespace orbis
