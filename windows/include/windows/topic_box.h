// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// A topic box of the rising sign result: read, select and scroll, but nothing copied out.
#pragma once

#include <QPlainTextEdit>

namespace orbis {

// A topic box: read, select and scroll, but nothing copied out. The box makes the selection
// itself and the text control takes no gesture, so neither the clipboard nor the primary
// selection is ever offered it, whether by mouse, keys or drag.
class TopicBox : public QPlainTextEdit {
    Q_OBJECT
public:
    TopicBox(const QString& name, QWidget* parent);

    // Shows `text`; a box not yet on screen takes it as it appears, at its final width, so the
    // text is laid out once rather than at a guessed width first.
    void setTopic(const QString& text);
    QString selectedText() const;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void display(const QString& text);
    void select(const QTextCursor& selection);

    QString pending_;
    bool hasPending_ = false;
    QTextCursor selection_;
    bool selecting_ = false;
};

} // namespace orbis
