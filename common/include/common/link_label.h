// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// A label that acts as a link: the link pointer over it, and a click signal.
#pragma once

#include <QLabel>

namespace orbis {

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    // Whether the pointer over it shows the link; a few clickable captions keep the arrow.
    enum class Pointer { Link, Arrow };

    explicit LinkLabel(const QString& text, QWidget* parent = nullptr,
                       Pointer pointer = Pointer::Link);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The link pointer of every clickable label and picture.
QCursor LinkPointer();

} // namespace orbis
