#include "ui/text_history.h"

#include <algorithm>
#include <utility>

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QUndoCommand>

namespace korinde {
namespace {

bool has_line_break(const QString& text) {
    return text.contains(QChar::ParagraphSeparator) || text.contains(QChar::LineSeparator);
}

}  // namespace

// One change: the text at `position` was `before` and became `after`.
class TextEdit final : public QUndoCommand {
public:
    TextEdit(TextHistory& history, int position, QString before, QString after, bool typed)
        : history_(history), position_(position), before_(std::move(before)), after_(std::move(after)), typed_(typed) {}

    void undo() override { history_.replace(position_, static_cast<int>(after_.size()), before_); }
    // The first redo comes from push(), after the box has made the change itself.
    void redo() override {
        if (!done_) history_.replace(position_, static_cast<int>(before_.size()), after_);
        done_ = false;
    }
    [[nodiscard]] int id() const override { return typed_ ? 1 : -1; }

    bool mergeWith(const QUndoCommand* other) override {
        const auto& next = static_cast<const TextEdit&>(*other);
        const bool next_inserts = next.before_.isEmpty();
        const bool next_erases = next.after_.isEmpty();
        // A line break is a step of its own, as in Qt's own history.
        const bool breaks_line = has_line_break(after_) || has_line_break(next.after_);
        if (next_inserts && !after_.isEmpty() && !breaks_line && next.position_ == position_ + after_.size()) {
            after_ += next.after_;  // typing on
        } else if (next_erases && after_.isEmpty() && next.position_ + next.before_.size() == position_) {
            position_ = next.position_;  // Backspace again
            before_.prepend(next.before_);
        } else if (next_erases && after_.isEmpty() && next.position_ == position_) {
            before_ += next.before_;  // Delete again
        } else {
            return false;
        }
        return true;
    }

private:
    TextHistory& history_;
    int position_;
    QString before_;
    QString after_;
    bool typed_;
    bool done_ = true;
};

TextHistory::TextHistory(QPlainTextEdit* box, int max_steps) : box_(box) {
    stack_.setUndoLimit(max_steps);
    box->document()->setUndoRedoEnabled(false);
    text_ = box->document()->toRawText();
    connect(box->document(), &QTextDocument::contentsChange, this, &TextHistory::record_change);
}

void TextHistory::undo() { stack_.undo(); }
void TextHistory::redo() { stack_.redo(); }

void TextHistory::clear() {
    stack_.clear();
    text_ = box_->document()->toRawText();
}

void TextHistory::record_change(int position) {
    const QString now = box_->document()->toRawText();
    if (replaying_ || now == text_) {
        text_ = now;  // a change of layout only, or one the history made itself
        return;
    }
    // The changed stretch: whatever lies between the common start and end.
    // The document's position tells which of equal letters was typed.
    const auto shorter = static_cast<qsizetype>(std::min(now.size(), text_.size()));
    const qsizetype first_possible = std::clamp<qsizetype>(position, 0, shorter);
    qsizetype start = 0;
    while (start < first_possible && now.at(start) == text_.at(start)) ++start;
    qsizetype end = 0;
    while (end < shorter - start && now.at(now.size() - 1 - end) == text_.at(text_.size() - 1 - end)) ++end;
    auto* edit = new TextEdit(*this, static_cast<int>(start), text_.mid(start, text_.size() - start - end),
                              now.mid(start, now.size() - start - end), typing_);
    text_ = now;
    stack_.push(edit);
}

void TextHistory::replace(int position, int length, const QString& text) {
    replaying_ = true;
    QTextCursor cursor(box_->document());
    cursor.setPosition(position);
    cursor.setPosition(position + length, QTextCursor::KeepAnchor);
    cursor.insertText(text);
    replaying_ = false;
    text_ = box_->document()->toRawText();
    box_->setTextCursor(cursor);
}

}  // namespace korinde
