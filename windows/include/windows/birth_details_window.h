// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The birth-details window: one design, three instances, one per reading.
#pragma once

#include "windows/birth_details_design.h"
#include "windows/reading_window.h"

class QComboBox;
class QPushButton;

namespace orbis {

class NameEdit;
class SignPictures;

class BirthDetailsWindow : public ReadingWindow {
    Q_OBJECT
public:
    BirthDetailsWindow(ReadingHost& host, const BirthDetailsDesign& design);

    const BirthDetailsDesign& design() const { return design_; }
    // The picture store the result windows draw from.
    const SignPictures& IMGSign() const;
    // Back from a result: the window as the user left it.
    void showAgain();

    bool ValidateBirthDetails();

private slots:
    void cmdProceed_Click();

private:
    void createTopStrip();
    // Returns the details frame that holds the entries.
    QWidget* createMiddleArea();
    void createEntries(QWidget* details);
    void createButtonsAndOffers();
    // Proceed and Exit, each shared by its button and its File menu item.
    void createCommands();
    int chosenDay() const;
    int chosenMonth() const;
    int chosenYear() const;
    void showNotAlphabet();

    const BirthDetailsDesign& design_;
    NameEdit* txtName = nullptr;
    QComboBox* cmbTime = nullptr;
    QComboBox* cmbDate = nullptr;
    QComboBox* cmbMonth = nullptr;
    QComboBox* cmbYear = nullptr;
    QPushButton* cmdProceed = nullptr;
    QPushButton* cmdExit = nullptr;
};

} // namespace orbis
