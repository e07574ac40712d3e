#include <ctime>
#include <iostream>
#include <stdexcept>

#include "engine/kyotu1.h"

namespace kyotu1 {

std::int16_t disp_year = 0;
std::int16_t disp_month = 0;
std::int16_t key_mode = 0;
std::int16_t panel_swapped = 0;
std::string app_title;

void title_set() { app_title = "Korinde"; }

namespace {

// Until a window installs real message boxes, say the text on the console
// and take the answer that changes nothing (OK, or No on a Yes/No question).
std::int16_t console_message_box(const std::string& text, std::int16_t style, const std::string& title) {
    std::cerr << (title.empty() ? app_title : title) << ": " << text << '\n';
    const bool yes_no = (style & 7) == mb_yes_no;
    return yes_no ? answer_no : answer_ok;
}

Date local_clock_date() {
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    if (local == nullptr) throw std::runtime_error("the local clock cannot be read");
    return {static_cast<std::int16_t>(local->tm_year + 1900), static_cast<std::int16_t>(local->tm_mon + 1),
            static_cast<std::int16_t>(local->tm_mday)};
}

}  // namespace

MessageBox msg_box = console_message_box;
std::function<Date()> system_date = local_clock_date;

}  // namespace kyotu1
