// SPDX-FileCopyrightText: 2026 Selvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The name box and its filter.
#include "name_edit.h"

#include "orbis/birth_details.h"

#include <QCursor>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QValidator>

#include <utility>

namespace orbis {

namespace {

// The name as the filter lets it in (letters in capitals), or nothing when any character is
// refused. Backspace and Enter pass the key filter but are no part of a name.
std::optional<QString> Filtered(const QString& text)
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        const auto filtered = FilterNameCharacter(c.unicode());
        if (!filtered || c.isSurrogate() || *filtered == U'\b' || *filtered == U'\r')
            return std::nullopt;
        kept.append(QChar(static_cast<char16_t>(*filtered)));
    }
    return kept;
}

// Paste, drop, input methods and accessibility skip the key handler; the validator holds the line
// for them, and tells of each text it refuses.
class NameValidator final : public QValidator {
public:
    NameValidator(QObject* parent, std::function<void()> refused)
        : QValidator(parent), refused_(std::move(refused))
    {
    }

    State validate(QString& input, int&) const override
    {
        const std::optional<QString> kept = Filtered(input);
        if (!kept) {
            refused_();
            return Invalid;
        }
        input = *kept;
        return Acceptable;
    }

private:
    std::function<void()> refused_;
};

bool IsClipboardShortcut(const QKeyEvent* event)
{
    return event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Paste) ||
           event->matches(QKeySequence::Cut);
}

} // namespace

NameEdit::NameEdit(QWidget* parent) : QLineEdit(parent)
{
    setObjectName(QStringLiteral("txtName"));
    setMaxLength(kNameMaxLength);
    setValidator(new NameValidator(this, [this] { rejectLater(); }));
    connect(this, &QLineEdit::textChanged, this, &NameEdit::keepFiltered);
}

void NameEdit::rejectLater()
{
    if (rejectionPending_)
        return;
    rejectionPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            rejectionPending_ = false;
            emit rejected();
        },
        Qt::QueuedConnection);
}

void NameEdit::keepFiltered()
{
    if (Filtered(text()))
        accepted_ = text();
    else
        setText(accepted_);
}

bool NameEdit::event(QEvent* event)
{
    // Keep Ctrl+C, Ctrl+V and Ctrl+X away from the shortcut system so the filter sees them.
    if (event->type() == QEvent::ShortcutOverride &&
        IsClipboardShortcut(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

void NameEdit::keyPressEvent(QKeyEvent* event)
{
    // Enter and Escape belong to the window, which presses Proceed.
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    // Editing keys that type no character; the X server may still attach one to them.
    if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (IsClipboardShortcut(event)) {
        emit rejected();
        return;
    }
    // Alt and Meta make a key a command, never text: a letter that is no access key of the window
    // types nothing.
    if (event->modifiers() & (Qt::AltModifier | Qt::MetaModifier)) {
        event->ignore();
        return;
    }
    const QString text = event->text();
    if (text.isEmpty()) {
        QLineEdit::keyPressEvent(event); // arrows, Home, Delete and the like
        return;
    }
    // With Ctrl a key types a control character, whatever text the platform attaches to it.
    if ((event->modifiers() & Qt::ControlModifier) && text.front().isPrint()) {
        emit rejected();
        return;
    }
    // Backspace and Enter pass the filter; as characters they change nothing.
    QString typed = text;
    typed.remove(QLatin1Char('\b')).remove(QLatin1Char('\r'));
    const std::optional<QString> accepted = Filtered(typed);
    if (!accepted) {
        emit rejected();
        return;
    }
    if (!accepted->isEmpty())
        insert(*accepted);
}

// A text the filter refuses is refused while it is dragged over the box, so that the source is
// told of no action at all (told of a move, it would delete the text it offered), and the user
// sees that it cannot be dropped here.
void NameEdit::dragEnterEvent(QDragEnterEvent* event)
{
    refusedDrag_ = event->mimeData()->hasText() && !Filtered(event->mimeData()->text());
    // Taken even so, or the leave that follows a refused drop would go elsewhere; the moves,
    // which answer the source, refuse it.
    if (refusedDrag_)
        event->accept();
    else
        QLineEdit::dragEnterEvent(event);
}

void NameEdit::dragMoveEvent(QDragMoveEvent* event)
{
    if (refusedDrag_)
        event->ignore();
    else
        QLineEdit::dragMoveEvent(event);
}

void NameEdit::dragLeaveEvent(QDragLeaveEvent* event)
{
    // A refused drag let go over the box ends with a leave instead of a drop; one that moves on
    // leaves with the pointer elsewhere.
    if (std::exchange(refusedDrag_, false) && rect().contains(mapFromGlobal(QCursor::pos())))
        rejectLater();
    QLineEdit::dragLeaveEvent(event);
}

void NameEdit::dropEvent(QDropEvent* event)
{
    // From a source that drops all the same.
    refusedDrag_ = false;
    if (event->mimeData()->hasText() && !Filtered(event->mimeData()->text())) {
        event->setDropAction(Qt::IgnoreAction);
        event->ignore();
        update();
        rejectLater();
        return;
    }
    QLineEdit::dropEvent(event);
}

} // namespace orbis
