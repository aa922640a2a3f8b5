// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// frmAbout: the program's about dialog, loaded afresh for every showing.
#pragma once

#include <QDialog>

namespace orbis {

class Platform;

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    AboutWindow(Platform& platform, QWidget* parent);

    // Modal over `over`; returns when the dialog is closed, which destroys it.
    static void ShowModal(Platform& platform, QWidget* over);

private:
    void createHeading();
    void createTexts(Platform& platform);
    void createOkButton();
};

} // namespace orbis
