// Whether the program can show a window here; decided before any GUI starts.
#pragma once

namespace korinde {

inline const char* const no_display_message =
    "korinde: 画面に表示できません。グラフィカルなデスクトップの中で起動してください。";

// False where the desktop needs a display and none is named.
bool display_configured();
// Says so on stderr; returns the exit status 1.
int refuse_without_display();

}  // namespace korinde
