// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Topic boxes: the selection is made here, so the text control never offers it to anyone.
#include "windows/topic_box.h"

#include "common/fonts.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <utility>

namespace orbis {

TopicBox::TopicBox(const QString& name, QWidget* parent) : QPlainTextEdit(parent)
{
    setObjectName(name);
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setContextMenuPolicy(Qt::NoContextMenu);
    // The text control takes no part: keys scroll the box, and the selection is ours.
    setTextInteractionFlags(Qt::NoTextInteraction);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    setFont(Verdana(8.25));
    document()->setUndoRedoEnabled(false);
}

void TopicBox::setTopic(const QString& text)
{
    if (isVisible()) {
        hasPending_ = false;
        display(text);
        return;
    }
    pending_ = text;
    hasPending_ = true;
}

void TopicBox::showEvent(QShowEvent* event)
{
    QPlainTextEdit::showEvent(event);
    if (hasPending_) {
        hasPending_ = false;
        display(std::exchange(pending_, QString()));
    }
}

void TopicBox::display(const QString& text)
{
    // The box holds one paragraph, laid out once and drawn straight after. Its layout keeps the
    // shaped glyphs, which would otherwise be thrown away and the paragraph shaped over again for
    // every paint.
    QTextDocument* document = this->document();
    select(QTextCursor());
    document->clear();
    document->firstBlock().layout()->setCacheEnabled(true);
    QTextCursor(document).insertText(text);
    moveCursor(QTextCursor::Start);
}

QString TopicBox::selectedText() const
{
    return selection_.selectedText();
}

void TopicBox::select(const QTextCursor& selection)
{
    // Handed to the text control only as its cursor, which draws it and lets screen readers
    // read it; the control offers a selection to the clipboards only from its own gestures.
    selection_ = selection;
    setTextCursor(selection.isNull() ? QTextCursor(document()) : selection);
}

void TopicBox::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::SelectAll)) {
        QTextCursor all(document());
        all.select(QTextCursor::Document);
        select(all);
        return;
    }
    // Copy and cut keys find nothing to take; the rest scroll the box.
    QPlainTextEdit::keyPressEvent(event);
}

void TopicBox::mousePressEvent(QMouseEvent* event)
{
    QPlainTextEdit::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    setFocus(Qt::MouseFocusReason);
    // Shift and a click stretch the selection there, as in any text view.
    const int position = cursorForPosition(event->position().toPoint()).position();
    QTextCursor at(document());
    if ((event->modifiers() & Qt::ShiftModifier) && !selection_.isNull())
        at.setPosition(selection_.anchor());
    at.setPosition(position, (event->modifiers() & Qt::ShiftModifier) && !selection_.isNull()
                                 ? QTextCursor::KeepAnchor
                                 : QTextCursor::MoveAnchor);
    select(at);
    selecting_ = true;
}

void TopicBox::mouseMoveEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseMoveEvent(event);
    if (!selecting_ || !(event->buttons() & Qt::LeftButton))
        return;
    QTextCursor extended = selection_;
    extended.setPosition(cursorForPosition(event->position().toPoint()).position(),
                         QTextCursor::KeepAnchor);
    select(extended);
}

void TopicBox::mouseReleaseEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        selecting_ = false;
}

void TopicBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QPlainTextEdit::mouseDoubleClickEvent(event);
    QTextCursor word = cursorForPosition(event->position().toPoint());
    word.select(QTextCursor::WordUnderCursor);
    select(word);
}

} // namespace orbis
