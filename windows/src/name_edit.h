// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// txtName: a line edit that lets in only capital letters and blanks, however the text arrives.
#pragma once

#include <QLineEdit>

namespace orbis {

class NameEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit NameEdit(QWidget* parent);

signals:
    // Every text the filter turns away, however it came.
    void rejected();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool event(QEvent* event) override;

private:
    // For text that does not come from a key: the message waits until the sender (a drag source,
    // an input method, an assistive tool) has had its answer.
    void rejectLater();
    // setText, which accessibility tools use, passes no filter; what it set is taken back.
    void keepFiltered();

    QString accepted_;
    bool rejectionPending_ = false;
    // A drag over the box offers a text the filter refuses.
    bool refusedDrag_ = false;
};

} // namespace orbis
