// The text panel's box. A plain QPlainTextEdit has three faults here: Qt 6.4
// crashes when a paste or a drop brings no usable data (the paste key while
// the X clipboard has no owner), a box that takes every paste lets repeated
// pastes grow it without bound, and its undo history grows without bound too.
// This one takes plain text only, at most max_characters of it, and keeps the
// newest max_undo_steps steps.
#pragma once

#include <QPlainTextEdit>

#include "ui/text_history.h"

namespace korinde {

class TextBox final : public QPlainTextEdit {
public:
    // The classic text box's limit, in UTF-16 units as Qt counts them; the
    // about text needs a few hundred.
    static constexpr int max_characters = 65535;
    // Undo steps kept; each may hold a whole box of replaced text.
    static constexpr int max_undo_steps = 20;

    explicit TextBox(QWidget* parent = nullptr);

    // Characters held, each line break counted as one.
    [[nodiscard]] int character_count() const;
    // Writes the whole text, as the program does; the history starts anew.
    void set_text(const QString& text);
    // Inserts as much of the text as there is room for, in place of the selection.
    void insert_within_limit(const QString& text);

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // How many characters may replace the selection without passing the limit.
    [[nodiscard]] int room() const;
    // Handles the undo and redo keys; false for any other key.
    bool undo_or_redo(const QKeyEvent& event);

    TextHistory history_{this, max_undo_steps};
};

}  // namespace korinde
