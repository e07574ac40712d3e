// The calendar engine: weekday and month-length arithmetic, the day tables
// of one year's national holidays, the rules that fill them, and the
// program-wide state shared by the window.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace kyotu1 {

// Today as the clock tells it. A clock set outside the supported years still
// reads (its year is wider than a calendar year) and then matches no day.
struct ClockDate {
    std::int32_t year;
    std::int16_t month;
    std::int16_t day;
    friend bool operator==(const ClockDate&, const ClockDate&) = default;
};

// Supported years. Every navigation step and every engine call stays inside.
inline constexpr std::int16_t min_year = 1;
inline constexpr std::int16_t max_year = 32767;
// The holiday rules are written for the years up to this one.
inline constexpr std::int16_t last_rule_year = 2100;

// Weekdays, also the columns of the month grid.
inline constexpr std::int16_t sunday = 0;
inline constexpr std::int16_t monday = 1;
inline constexpr std::int16_t saturday = 6;

// Message box button-and-icon values and answers.
inline constexpr std::int16_t mb_ok_only = 0;
inline constexpr std::int16_t mb_yes_no = 4;
inline constexpr std::int16_t mb_icon_warning = 48;
inline constexpr std::int16_t mb_icon_information = 64;
inline constexpr std::int16_t answer_ok = 1;
inline constexpr std::int16_t answer_yes = 6;
inline constexpr std::int16_t answer_no = 7;

// ---- Calendar arithmetic -------------------------------------------------
// From 1980 on the calendar has a leap year in every year divisible by 4
// except 2100; before 1980 it is the proleptic Gregorian calendar.

// Weekday 0 (Sunday) to 6 (Saturday) of the date. A day past the end of the
// month counts on into the next month (31 February 2003 is 3 March).
// Throws std::out_of_range for a year below 1, a month outside 1 to 12 or a
// day outside 1 to 31.
std::int16_t yobi_keisan(std::int16_t year, std::int16_t month, std::int16_t day);

// Days in the month: 28 to 31. Throws std::out_of_range for a year below 1 or
// a month outside 1 to 12.
std::int16_t month_days(std::int16_t year, std::int16_t month);

// ---- Day tables ------------------------------------------------------------
// Months index 0 to 13 and days 0 to 32; only months 1 to 12 and days 1 to 31
// ever hold a holiday. Any other index throws std::out_of_range.

// 1 when the day of the last rebuilt year is a national holiday, else 0.
std::int16_t holiday_flag(int month, int day);
// The holiday's name (UTF-8), empty when the day is no holiday.
const std::string& holiday_name(int month, int day);

// ---- Holiday rules ---------------------------------------------------------

// Which rules fill the day tables: the built-in ones (the default), or the
// holiday law as amended to this day. Chosen once, at start.
enum class HolidayLaw { builtin, current };
extern HolidayLaw holiday_law;

// Rebuilds the day tables for the year by the rules of holiday_law. Warns through msg_box first when the
// year is beyond last_rule_year. Throws std::out_of_range for a year below 1.
void syukujitu_set(std::int16_t year);

// ---- Program state ---------------------------------------------------------

extern std::int16_t disp_year;      // year of the displayed month
extern std::int16_t disp_month;     // displayed month, 1 to 12
extern std::int16_t key_mode;       // 0 none, 1 Shift, 2 Ctrl: the step of the next click
extern std::int16_t panel_swapped;  // 0 calendar in view, 1 about text in view
extern std::string app_title;

// Sets app_title.
void title_set();

// ---- Platform hooks ----------------------------------------------------------
// The window installs the real ones; tests install recorders.

// Shows a modal message box and returns the button pressed (answer_*).
// style is mb_* buttons plus mb_icon_*; an empty title means app_title.
using MessageBox = std::function<std::int16_t(const std::string& text, std::int16_t style, const std::string& title)>;
extern MessageBox msg_box;

// Today's date by the local clock.
extern std::function<ClockDate()> system_date;

}  // namespace kyotu1
