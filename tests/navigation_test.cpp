#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/holidays.h"
#include "engine/run_state.h"
#include "view/navigation.h"

namespace {

// Read before any test runs: a run starts with month steps, the calendar in
// view and the built-in rules.
const std::int16_t key_mode_at_start = kyotu1::key_mode;
const std::int16_t panel_swapped_at_start = kyotu1::panel_swapped;
const kyotu1::HolidayLaw law_at_start = kyotu1::holiday_law;

TEST(RunState, StartsWithMonthStepsTheCalendarAndTheBuiltInRules) {
    EXPECT_EQ(key_mode_at_start, 0);
    EXPECT_EQ(panel_swapped_at_start, 0);
    EXPECT_EQ(law_at_start, kyotu1::HolidayLaw::builtin);
}

struct Step {
    std::int16_t key_mode;
    std::int16_t year, month;
    int direction;  // -1 前月, 1 翌月
    std::int16_t new_year, new_month;
    bool taken;
};

TEST(Navigation, StepsByMonthYearAndDecade) {
    const Step steps[] = {
        {0, 2005, 1, -1, 2004, 12, true},
        {0, 2004, 12, 1, 2005, 1, true},
        {0, 2004, 11, -1, 2004, 10, true},
        {0, 2004, 11, 1, 2004, 12, true},
        {1, 2004, 11, 1, 2005, 11, true},
        {1, 2004, 11, -1, 2003, 11, true},
        {2, 2004, 11, 1, 2014, 11, true},
        {2, 2004, 11, -1, 1994, 11, true},
        {1, 2004, 1, -1, 2003, 1, true},
        {1, 2004, 12, 1, 2005, 12, true},
        {2, 2091, 12, 1, 2101, 12, true},
        {2, 11, 3, -1, 1, 3, true},
        // Refused at the ends of the supported years: nothing changes.
        {0, 1, 1, -1, 1, 1, false},
        {1, 1, 6, -1, 1, 6, false},
        {2, 10, 6, -1, 10, 6, false},
        {0, 32767, 12, 1, 32767, 12, false},
        {1, 32767, 1, 1, 32767, 1, false},
        {2, 32758, 1, 1, 32758, 1, false},
        {0, 32767, 11, 1, 32767, 12, true},
        {2, 32757, 5, 1, 32767, 5, true},
        {0, 1, 2, -1, 1, 1, true},
    };
    for (const auto& s : steps) {
        kyotu1::key_mode = s.key_mode;
        kyotu1::disp_year = s.year;
        kyotu1::disp_month = s.month;
        const bool taken = s.direction < 0 ? kyotu1::step_back() : kyotu1::step_forward();
        const std::string what = std::to_string(s.year) + "/" + std::to_string(s.month) + " mode " +
                                 std::to_string(s.key_mode) + " dir " + std::to_string(s.direction);
        EXPECT_EQ(taken, s.taken) << what;
        EXPECT_EQ(kyotu1::disp_year, s.new_year) << what;
        EXPECT_EQ(kyotu1::disp_month, s.new_month) << what;
        EXPECT_EQ(kyotu1::key_mode, s.key_mode) << what << ": a click never changes the mode";
    }
}

// The first month is today's; a clock outside the supported years starts at
// the nearer end.
TEST(Navigation, StartsAtTodaysMonthWithinTheYears) {
    struct Start {
        kyotu1::ClockDate today;
        std::int16_t year, month;
    };
    const Start starts[] = {
        {{2026, 12, 9}, 2026, 12}, {{1, 5, 1}, 1, 5},         {{0, 5, 1}, 1, 1},
        {{-3, 7, 1}, 1, 1},        {{32767, 5, 1}, 32767, 5}, {{32768, 5, 1}, 32767, 12},
    };
    for (const Start& s : starts) {
        kyotu1::start_at(s.today);
        EXPECT_EQ(kyotu1::disp_year, s.year) << s.today.year;
        EXPECT_EQ(kyotu1::disp_month, s.month) << s.today.year;
    }
}

TEST(Navigation, ShiftHeldOverThreeClicksMovesThreeYears) {
    kyotu1::key_mode = 0;
    kyotu1::disp_year = 2004;
    kyotu1::disp_month = 11;
    kyotu1::modifier_key_down(kyotu1::mask_shift);
    for (int i = 0; i < 3; ++i) kyotu1::step_forward();
    EXPECT_EQ(kyotu1::disp_year, 2007);
    EXPECT_EQ(kyotu1::disp_month, 11);
    EXPECT_EQ(kyotu1::key_mode, 1);
}

struct KeyEvent {
    bool down;
    std::int16_t mask;
};

struct KeySequence {
    const char* what;
    std::int16_t start_mode;
    std::vector<KeyEvent> events;
    std::int16_t mode_after;
};

TEST(KeyMode, FollowsWholeMasks) {
    const KeySequence sequences[] = {
        {"Shift down", 0, {{true, 1}}, 1},
        {"Ctrl down", 0, {{true, 2}}, 2},
        {"Shift and Ctrl: the first key wins", 0, {{true, 1}, {true, 3}}, 1},
        {"Ctrl then Shift", 0, {{true, 2}, {true, 3}}, 2},
        {"Alt alone", 0, {{true, 4}}, 0},
        {"Shift with Alt", 0, {{true, 5}}, 0},
        {"Ctrl with Alt keeps Shift mode", 1, {{true, 6}}, 1},
        {"ordinary key with no modifier", 2, {{true, 0}}, 2},
        {"release of the last modifier", 1, {{true, 1}, {false, 0}}, 0},
        {"Shift released while Ctrl held, then Ctrl pressed again", 0, {{true, 1}, {true, 3}, {false, 2}}, 1},
        {"... and Ctrl alone down again", 0, {{true, 1}, {true, 3}, {false, 2}, {true, 2}}, 2},
        {"key up with Shift still held", 2, {{false, 1}}, 2},
        {"key up with Alt still held", 1, {{false, 4}}, 1},
        {"mask 7 up", 2, {{false, 7}}, 2},
    };
    for (const auto& seq : sequences) {
        kyotu1::key_mode = seq.start_mode;
        for (const KeyEvent& e : seq.events) {
            if (e.down) {
                kyotu1::modifier_key_down(e.mask);
            } else {
                kyotu1::modifier_key_up(e.mask);
            }
        }
        EXPECT_EQ(kyotu1::key_mode, seq.mode_after) << seq.what;
    }
}

}  // namespace
