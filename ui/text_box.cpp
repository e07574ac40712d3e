#include "ui/text_box.h"

#include <algorithm>

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

namespace korinde {

TextBox::TextBox(QWidget* parent) : QPlainTextEdit(parent) {
    // Every step keeps what it replaced; past the limit the history starts
    // anew, so repeated pastes cannot pile up copies of the text.
    connect(document(), &QTextDocument::undoCommandAdded, this, [this] {
        if (document()->availableUndoSteps() > max_undo_steps) document()->clearUndoRedoStacks();
    });
}

int TextBox::character_count() const { return document()->characterCount() - 1; }

int TextBox::room() const {
    const QTextCursor cursor = textCursor();
    return max_characters - character_count() + (cursor.selectionEnd() - cursor.selectionStart());
}

void TextBox::insert_within_limit(const QString& text) {
    const int allowed = std::max(0, room());
    // Never split a surrogate pair at the cut.
    int length = std::min(static_cast<int>(text.size()), allowed);
    if (length > 0 && length < text.size() && text.at(length - 1).isHighSurrogate()) --length;
    if (length == 0 && !textCursor().hasSelection()) return;
    insertPlainText(text.left(length));
}

bool TextBox::canInsertFromMimeData(const QMimeData* source) const {
    return source != nullptr && source->hasText() && !isReadOnly();
}

void TextBox::insertFromMimeData(const QMimeData* source) {
    if (!canInsertFromMimeData(source)) return;
    insert_within_limit(source->text());
}

// Typed text and line breaks pass through here; editing keys and shortcuts
// pass on.
void TextBox::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool line_break = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool shortcut = (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
    const bool inserts = !typed.isEmpty() && (typed.at(0).isPrint() || line_break) && !shortcut;
    if (inserts && room() < typed.size()) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TextBox::inputMethodEvent(QInputMethodEvent* event) {
    if (room() < event->commitString().size()) {
        QInputMethodEvent cut(event->preeditString(), event->attributes());
        cut.setCommitString(event->commitString().left(std::max(0, room())), event->replacementStart(),
                            event->replacementLength());
        QPlainTextEdit::inputMethodEvent(&cut);
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

}  // namespace korinde
