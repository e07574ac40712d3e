// The text panel's edit menu, in Japanese like every other text of the program.
#pragma once

#include <memory>

#include <QPoint>

class QMenu;
class QPlainTextEdit;

namespace korinde {

// The text box's standard edit menu with Japanese captions.
std::unique_ptr<QMenu> japanese_edit_menu(QPlainTextEdit& text_box, QPoint at);

// Makes the text box open that menu, and its scroll bars none.
void use_japanese_edit_menu(QPlainTextEdit& text_box);

}  // namespace korinde
