// Whether the program can show a window here; decided before any GUI starts.
#pragma once

namespace korinde {

inline const char* const no_display_message =
    "korinde: 画面に表示できません。グラフィカルなデスクトップの中で起動してください。";

// False where the desktop needs a display and none is named.
bool display_configured();
// Says so on stderr; returns the exit status 1.
int refuse_without_display();

inline const char* const wayland_popup_message =
    "korinde: Wayland ではウィンドウの位置を決められないため、ポップアップはマウスの位置ではなく"
    "デスクトップが決めた位置に開きます。";

// A popup opens at the pointer, which Wayland does not let a program decide:
// in a Wayland session with an X display beside it (XWayland) it takes the X
// platform, and without one it says once why it opens where it is put. A
// platform the user names is kept.
void choose_popup_platform();

}  // namespace korinde
