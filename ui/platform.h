// What the calendar needs of the desktop, over Qt: message boxes, the clock,
// fonts and style, the end of the program.
#pragma once

#include <cstdint>
#include <string>

#include <QColor>

#include "engine/calendar.h"
#include "view/colours.h"

namespace korinde {

// Sets the application's name, version, style and font substitutions. Call
// once the application object exists, before the window is created.
void prepare_application();

// Installs the real message boxes and clock into the engine's hooks.
void install_platform_hooks();

// A modal QMessageBox for a button-and-icon value; returns the answer code.
std::int16_t show_message_box(const std::string& text, std::int16_t style, const std::string& title);

kyotu1::ClockDate local_date();

// The window's colours are kept as 0x00BBGGRR.
QColor colour_from_bgr(kyotu1::BgrColour colour);

void end_program();

}  // namespace korinde
