// The name box and its filter.
#include "name_edit.h"

#include "orbis/birth_details.h"

#include <QKeyEvent>
#include <QValidator>

namespace orbis {

namespace {

// Paste, drop and input methods skip the key handler; this validator holds the line for them too.
class NameValidator final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override
    {
        for (QChar& c : input) {
            const auto kept = FilterNameCharacter(c.unicode());
            if (!kept || *kept == U'\b' || *kept == U'\r')
                return Invalid;
            c = QChar(static_cast<char16_t>(*kept));
        }
        return Acceptable;
    }
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
    setValidator(new NameValidator(this));
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
    const QString text = event->text();
    if (text.isEmpty()) {
        QLineEdit::keyPressEvent(event); // arrows, Home, Delete and the like
        return;
    }
    QString accepted;
    for (const QChar c : text) {
        const auto kept = FilterNameCharacter(c.unicode());
        if (!kept || c.isSurrogate()) {
            emit rejected();
            return;
        }
        accepted.append(QChar(static_cast<char16_t>(*kept)));
    }
    insert(accepted);
}

} // namespace orbis
