#include "ui/text_box.h"

#include <algorithm>

#include <QAction>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTextCursor>

namespace korinde {
namespace {

// The length of the longest start of `text` within `room` units that does
// not split a surrogate pair.
qsizetype fitting_length(const QString& text, int room) {
    qsizetype length = std::clamp<qsizetype>(room, 0, text.size());
    if (length > 0 && length < text.size() && text.at(length - 1).isHighSurrogate()) --length;
    return length;
}

// Whether the key puts text into the box, whatever kind of character it is
// (a surrogate pair or a tab as much as a letter): Qt's own rule for typed
// text, so that nothing inserted escapes the count. Control characters other
// than the tab are the editing keys (Backspace, Delete, Esc) and insert
// nothing; Ctrl and Ctrl+Shift make a shortcut of a letter.
bool inserts_text(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) return true;
    const QString typed = event.text();
    if (typed.isEmpty()) return false;
    const QChar first = typed.at(0);
    if (first.category() == QChar::Other_Format) return true;  // joiners, typed with Ctrl+Shift on Windows
    const auto modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier)) return false;
    return first == u'\t' || first.category() != QChar::Other_Control;
}

// Points one of the standard menu's actions (found by Qt's name for it) at
// our own history.
template <typename Step>
void rewire(QMenu& menu, const char* name, bool enabled, Step step) {
    auto* action = menu.findChild<QAction*>(name);
    if (action == nullptr) return;
    QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
    QObject::connect(action, &QAction::triggered, &menu, step);
    action->setEnabled(enabled);
}

}  // namespace

TextBox::TextBox(QWidget* parent) : QPlainTextEdit(parent) {}

int TextBox::character_count() const { return document()->characterCount() - 1; }

void TextBox::set_text(const QString& text) {
    setPlainText(text);
    history_.clear();
}

int TextBox::room() const {
    const QTextCursor cursor = textCursor();
    return max_characters - character_count() + (cursor.selectionEnd() - cursor.selectionStart());
}

void TextBox::insert_within_limit(const QString& text) {
    const qsizetype length = fitting_length(text, room());
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

bool TextBox::undo_or_redo(const QKeyEvent& event) {
    if (event.matches(QKeySequence::Undo)) {
        history_.undo();
    } else if (event.matches(QKeySequence::Redo)) {
        history_.redo();
    } else {
        return false;
    }
    return true;
}

// Typed text and line breaks pass through here; editing keys and shortcuts
// pass on.
void TextBox::keyPressEvent(QKeyEvent* event) {
    if (undo_or_redo(*event)) {
        event->accept();
        return;
    }
    const bool inserts = inserts_text(*event);
    // A line break may come with no text, and still takes one place.
    if (inserts && room() < std::max<qsizetype>(1, event->text().size())) {
        event->accept();
        return;
    }
    history_.set_typing(inserts || event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete);
    QPlainTextEdit::keyPressEvent(event);
    history_.set_typing(false);
}

void TextBox::inputMethodEvent(QInputMethodEvent* event) {
    const QString& commit = event->commitString();
    const int free = room() + event->replacementLength();
    history_.set_typing(true);
    if (free < commit.size()) {
        QInputMethodEvent cut(event->preeditString(), event->attributes());
        cut.setCommitString(commit.left(fitting_length(commit, free)), event->replacementStart(),
                            event->replacementLength());
        QPlainTextEdit::inputMethodEvent(&cut);
    } else {
        QPlainTextEdit::inputMethodEvent(event);
    }
    history_.set_typing(false);
}

void TextBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu(event->pos());
    menu->setAttribute(Qt::WA_DeleteOnClose);
    rewire(*menu, "edit-undo", history_.can_undo(), [this] { history_.undo(); });
    rewire(*menu, "edit-redo", history_.can_redo(), [this] { history_.redo(); });
    menu->popup(event->globalPos());
}

}  // namespace korinde
