// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The reading windows inside the main window: which are loaded, opening and presenting them, and
// the one that is active, whose menus the main window's bar shows.
#pragma once

#include "windows/reading_host.h"
#include "windows/sign_pictures.h"

#include <QObject>
#include <QPointer>

#include <array>

class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace orbis {

class ReadingWindow;
class WorkArea;

class ReadingWindows final : public QObject, public ReadingHost {
    Q_OBJECT
public:
    // `welcome` is picMain; `screenWidth` in twips centres the windows. No parent: the main window
    // owns it, and ending it ends the reading windows.
    ReadingWindows(Platform& platform, ReadingState& readings, QWidget* welcome, QMdiArea* area,
                   WorkArea* workArea, double screenWidth);
    ~ReadingWindows() override;

    // Unloads every reading window, then opens the birth-details window of `kind`.
    void OpenReading(ReadingKind kind);
    // Unloads the six reading windows in their fixed order.
    void unloadAll();

    // The live window of a slot, or null.
    QWidget* readingWindow(ReadingSlot slot) const;
    bool isWelcomeVisible() const;

    // ReadingHost
    Platform& platform() override { return platform_; }
    ReadingState& readings() override { return readings_; }
    SignPictures& signPictures() override { return signPictures_; }
    void setWelcomeVisible(bool visible) override;
    void present(ReadingSlot slot, QWidget* window) override;
    void showAbout(QWidget* over) override;

signals:
    // The reading window on screen is now `window`, or none: the bar shows its menus.
    void activeChanged(ReadingWindow* window);

private slots:
    void follow(QMdiSubWindow* activated);

private:
    Platform& platform_;
    ReadingState& readings_;
    SignPictures signPictures_;
    QWidget* welcome_;
    QMdiArea* area_;
    WorkArea* workArea_;
    double screenWidth_;
    bool ending_ = false;
    std::array<QPointer<QMdiSubWindow>, kReadingSlotCount> frames_{};
};

} // namespace orbis
