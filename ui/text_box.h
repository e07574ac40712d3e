// The text panel's box. A plain QPlainTextEdit has two faults here: Qt 6.4
// crashes when a paste or a drop brings no usable data (the paste key while
// the X clipboard has no owner), and a box that takes every paste lets
// repeated pastes grow it without bound. This one takes plain text only, and
// at most max_characters of it.
#pragma once

#include <QPlainTextEdit>

namespace korinde {

class TextBox final : public QPlainTextEdit {
public:
    // The classic text box's limit; the about text needs a few hundred.
    static constexpr int max_characters = 65535;
    // Undo steps kept; each may hold a whole box of replaced text.
    static constexpr int max_undo_steps = 20;

    explicit TextBox(QWidget* parent = nullptr);

    // Characters held, each line break counted as one.
    [[nodiscard]] int character_count() const;

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    // How many characters may replace the selection without passing the limit.
    [[nodiscard]] int room() const;
    // Inserts as much of the text as there is room for, in place of the selection.
    void insert_within_limit(const QString& text);
};

}  // namespace korinde
