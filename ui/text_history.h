// The text box's undo history. QTextDocument keeps every step until told to
// forget them all, and each step may hold a whole box of replaced text; this
// history keeps the newest max_steps and drops the oldest beyond them.
#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>

class QPlainTextEdit;

namespace korinde {

class TextHistory final : public QObject {
public:
    // Takes over the box's undo: the document's own history is switched off.
    // The box must outlive the history.
    TextHistory(QPlainTextEdit* box, int max_steps);

    void undo();
    void redo();
    [[nodiscard]] bool can_undo() const { return stack_.canUndo(); }
    [[nodiscard]] bool can_redo() const { return stack_.canRedo(); }
    // Forgets every step, as when the program writes the whole text.
    void clear();

    // While set, each change counts as typing: a run of typed characters, or of
    // characters erased one by one, is undone as one step.
    void set_typing(bool typing) { typing_ = typing; }

private:
    // Records what the change from `position` on replaced, found against the
    // text before it.
    void record_change(int position);
    // Puts `text` in place of [position, position + length) without recording it.
    void replace(int position, int length, const QString& text);

    friend class TextEdit;
    QPlainTextEdit* box_;
    QUndoStack stack_;
    QString text_;  // the document's text as of the last recorded change
    bool typing_ = false;
    bool replaying_ = false;
};

}  // namespace korinde
