#include "ui/text_box_menu.h"

#include <array>

#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace korinde {
namespace {

struct Caption {
    const char* action;  // the object name Qt gives the standard action
    const char* text;
};

constexpr std::array<Caption, 7> captions = {{
    {"edit-undo", "元に戻す(&U)"},
    {"edit-redo", "やり直し(&R)"},
    {"edit-cut", "切り取り(&T)"},
    {"edit-copy", "コピー(&C)"},
    {"edit-paste", "貼り付け(&P)"},
    {"edit-delete", "削除(&D)"},
    {"select-all", "すべて選択(&A)"},
}};

}  // namespace

std::unique_ptr<QMenu> japanese_edit_menu(QPlainTextEdit& text_box, QPoint at) {
    std::unique_ptr<QMenu> menu(text_box.createStandardContextMenu(at));
    for (QAction* action : menu->actions()) {
        for (const Caption& caption : captions) {
            if (action->objectName() == QLatin1String(caption.action)) action->setText(QString::fromUtf8(caption.text));
        }
    }
    return menu;
}

void use_japanese_edit_menu(QPlainTextEdit& text_box) {
    text_box.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&text_box, &QWidget::customContextMenuRequested, &text_box, [&text_box](QPoint at) {
        japanese_edit_menu(text_box, at)->exec(text_box.viewport()->mapToGlobal(at));
    });
    // Their scroll menus have no Japanese captions to give.
    text_box.horizontalScrollBar()->setContextMenuPolicy(Qt::NoContextMenu);
    text_box.verticalScrollBar()->setContextMenuPolicy(Qt::NoContextMenu);
}

}  // namespace korinde
