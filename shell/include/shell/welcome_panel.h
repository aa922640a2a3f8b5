// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// picMain: the welcome panel with its six captions, which open readings or only welcome.
#pragma once

#include "windows/reading_host.h"

#include <QWidget>
#include <array>

class QLabel;

namespace orbis {

// The captions are the control array lblCaption, elements 0 to 5.
inline constexpr int kWelcomeCaptionCount = 6;

class WelcomePanel final : public QWidget {
    Q_OBJECT
public:
    explicit WelcomePanel(QWidget* parent);

    // lblCaption element `index`.
    QLabel* caption(int index) const;
    // Centres every caption on a screen `screenWidth` twips wide, once: a narrower panel later
    // keeps these places.
    void placeFromScreenWidth(double screenWidth);

signals:
    // A reading name was clicked: the reading it opens.
    void readingChosen(ReadingKind kind);
    // A welcome text was clicked; it opens nothing.
    void welcomeTextClicked();

protected:
    // Over the bare panel no caption is underlined; over a reading name, that one is.
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void lblCaption_Click(int index);

private:
    void setCaptionUnderline(int index, bool underline);

    std::array<QLabel*, kWelcomeCaptionCount> lblCaption_{};
};

} // namespace orbis
