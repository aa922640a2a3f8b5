// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// What the result windows share: Back to their birth-details window and Exit.
#pragma once

#include "windows/reading_window.h"

#include <QPointer>

class QLabel;

namespace orbis {

class BirthDetailsWindow;

class ResultWindow : public ReadingWindow {
    Q_OBJECT
public:
    ResultWindow(ReadingHost& host, BirthDetailsWindow& details, const QString& objectName,
                 const QString& caption);

    // Runs the reading's lookup on the current values and fills the window.
    virtual void fill() = 0;

protected:
    // Back and Exit, each one command shared by its button, its File menu item and its keys.
    void finishButtons(QPushButton* back, QPushButton* exit);
    // Shows sign picture `number` from the birth-details window's picture store.
    void showPicture(QLabel* picture, int number) const;
    // What a screen reader says as the window opens: each value label's heading and value.
    void setAnswer(const QList<QLabel*>& values);

    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void cmdBack_Click();
    void cmdExit_Click() { unload(); }

private:
    QPointer<BirthDetailsWindow> details_;
    QPushButton* exit_ = nullptr;
};

} // namespace orbis
