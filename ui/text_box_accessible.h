// What assistive technology sees of the text panel's box: the editable text
// it is, and off screen while it stands outside the window, so that a screen
// reader does not announce a field nobody can see.
#pragma once

class QAccessibleInterface;

namespace korinde {

class TextBox;

QAccessibleInterface* accessible_text_box(TextBox* box);

// Tells assistive technology that the box came into view or left it.
void announce_text_box_moved(TextBox* box);

}  // namespace korinde
