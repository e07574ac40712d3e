// What the engine costs for one redraw (rebuilding a year's holidays and
// drawing a month into the grid model) and for the almanac.
#include <benchmark/benchmark.h>

#include "engine/almanac.h"
#include "engine/calendar.h"
#include "engine/holidays.h"
#include "engine/message_box.h"
#include "engine/run_state.h"
#include "view/month_grid.h"

namespace {

void silence_message_boxes() {
    kyotu1::msg_box = [](const std::string&, std::int16_t, const std::string&) { return kyotu1::answer_ok; };
    kyotu1::system_date = [] { return kyotu1::ClockDate{2004, 11, 22}; };
}

void rebuild_holidays(benchmark::State& state) {
    silence_message_boxes();
    const auto year = static_cast<std::int16_t>(state.range(0));
    for (auto _ : state) {
        kyotu1::syukujitu_set(year);
        benchmark::DoNotOptimize(kyotu1::holiday_flag(1, 1));
    }
}
BENCHMARK(rebuild_holidays)->Arg(2049)->Arg(32767);

// Today's law walks every day of the year for its substitute and citizens' holidays.
void rebuild_holidays_under_todays_law(benchmark::State& state) {
    kyotu1::holiday_law = kyotu1::HolidayLaw::current;
    rebuild_holidays(state);
    kyotu1::holiday_law = kyotu1::HolidayLaw::builtin;
}
BENCHMARK(rebuild_holidays_under_todays_law)->Arg(2026)->Arg(32767);

void draw_month_into_model(benchmark::State& state) {
    silence_message_boxes();
    kyotu1::GridModel grid{};
    std::int16_t month = 1;
    for (auto _ : state) {
        kyotu1::hyoji_cal(grid, 2049, month);
        benchmark::DoNotOptimize(grid);
        month = static_cast<std::int16_t>(month % 12 + 1);
    }
}
BENCHMARK(draw_month_into_model);

// A year's almanac the first time it is asked for. Years three apart share
// no instant, so each one is computed from nothing.
void almanac_year_cold(benchmark::State& state) {
    auto year = kyotu1::first_almanac_year;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kyotu1::run_almanac().day(year, 6, 1));
        year = static_cast<std::int16_t>(year + 3);
    }
}
BENCHMARK(almanac_year_cold)->Iterations(70)->Unit(benchmark::kMillisecond);

void almanac_day_warm(benchmark::State& state) {
    std::int16_t day = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kyotu1::run_almanac().day(2026, 12, day));
        day = static_cast<std::int16_t>(day % 31 + 1);
    }
}
BENCHMARK(almanac_day_warm);

}  // namespace

BENCHMARK_MAIN();
