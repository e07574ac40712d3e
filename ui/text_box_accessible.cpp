#include "ui/text_box_accessible.h"

#include <QAccessibleWidget>
#include <QTextCursor>

#include "ui/text_box.h"

namespace korinde {
namespace {

// Qt's own interface for a plain text box is private to Qt, so the text and
// its editing are given here through the box's cursor, as Qt's does.
class TextBoxAccessible final : public QAccessibleWidget,
                                public QAccessibleTextInterface,
                                public QAccessibleEditableTextInterface {
public:
    explicit TextBoxAccessible(TextBox* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.multiLine = true;
        const QWidget* window = box()->parentWidget();
        state.offscreen = window != nullptr && !window->rect().intersects(box()->geometry());
        return state;
    }
    [[nodiscard]] QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) return box()->toPlainText();
        return QAccessibleWidget::text(kind);
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface) return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The text.
    [[nodiscard]] QString text(int start, int end) const override {
        return box()->toPlainText().mid(start, end - start);
    }
    [[nodiscard]] int characterCount() const override { return box()->character_count(); }
    [[nodiscard]] int cursorPosition() const override { return box()->textCursor().position(); }
    void setCursorPosition(int position) override {
        QTextCursor cursor = box()->textCursor();
        cursor.setPosition(position);
        box()->setTextCursor(cursor);
    }
    [[nodiscard]] QRect characterRect(int offset) const override {
        QTextCursor cursor(box()->document());
        cursor.setPosition(offset);
        const QRect place = box()->cursorRect(cursor);
        return {box()->viewport()->mapToGlobal(place.topLeft()), place.size()};
    }
    [[nodiscard]] int offsetAtPoint(const QPoint& point) const override {
        return box()->cursorForPosition(box()->viewport()->mapFromGlobal(point)).position();
    }
    void scrollToSubstring(int start, int /*end*/) override {
        setCursorPosition(start);
        box()->ensureCursorVisible();
    }
    [[nodiscard]] QString attributes(int offset, int* start, int* end) const override {
        *start = offset;
        *end = offset;
        return {};
    }

    // The one selection a text box has.
    [[nodiscard]] int selectionCount() const override { return box()->textCursor().hasSelection() ? 1 : 0; }
    void selection(int index, int* start, int* end) const override {
        const QTextCursor cursor = box()->textCursor();
        *start = index == 0 ? cursor.selectionStart() : 0;
        *end = index == 0 ? cursor.selectionEnd() : 0;
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int /*index*/) override {
        QTextCursor cursor = box()->textCursor();
        cursor.clearSelection();
        box()->setTextCursor(cursor);
    }
    void setSelection(int /*index*/, int start, int end) override {
        QTextCursor cursor = box()->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        box()->setTextCursor(cursor);
    }

    // Editing, within the box's limit as typing is.
    void deleteText(int start, int end) override { replaceText(start, end, {}); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override {
        setSelection(0, start, end);
        box()->insert_within_limit(text);
    }

private:
    [[nodiscard]] TextBox* box() const { return static_cast<TextBox*>(widget()); }
};

}  // namespace

QAccessibleInterface* accessible_text_box(TextBox* box) { return new TextBoxAccessible(box); }

void announce_text_box_moved(TextBox* box) {
    QAccessible::State changed;
    changed.offscreen = true;
    QAccessibleStateChangeEvent event(box, changed);
    QAccessible::updateAccessibility(&event);
}

}  // namespace korinde
