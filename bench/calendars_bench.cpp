// What the user's calendars cost: a feed of 5,000 events read, and a month
// expanded from two such feeds.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "calendars/feed.h"

namespace {

using korinde::calendars::Feed;

// Ten years of a working calendar in Tokyo's zone: 5,000 events over
// 2020–2029, one in `every` of them a weekly meeting repeating without end.
std::string feed_of_5000(int every) {
    std::string text =
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//bench//EN\r\nBEGIN:VTIMEZONE\r\nTZID:Asia/Tokyo\r\n"
        "BEGIN:STANDARD\r\nDTSTART:19700101T000000\r\nTZOFFSETFROM:+0900\r\nTZOFFSETTO:+0900\r\nEND:STANDARD\r\n"
        "END:VTIMEZONE\r\n";
    char line[256];
    for (int i = 0; i < 5000; ++i) {
        const int year = 2020 + i % 10;
        const int month = 1 + i / 10 % 12;
        const int day = 1 + i / 120 % 28;
        const char* rule = i % every == 0 ? "RRULE:FREQ=WEEKLY\r\n" : "";
        std::snprintf(
            line, sizeof line,
            "BEGIN:VEVENT\r\nUID:e%d\r\nDTSTAMP:20261201T000000Z\r\nDTSTART;TZID=Asia/Tokyo:%04d%02d%02dT%02d0000\r\n"
            "DTEND;TZID=Asia/Tokyo:%04d%02d%02dT%02d3000\r\n%sSUMMARY:予定 %d\r\nEND:VEVENT\r\n",
            i, year, month, day, 9 + i % 8, year, month, day, 9 + i % 8, rule, i);
        text += line;
    }
    return text + "END:VCALENDAR\r\n";
}

void read_a_feed_of_5000(benchmark::State& state) {
    const std::string text = feed_of_5000(10);
    for (auto _ : state) benchmark::DoNotOptimize(Feed::parse(text).event_count());
}
BENCHMARK(read_a_feed_of_5000)->Unit(benchmark::kMillisecond);

// libical follows a rule through ICU's calendar, some 7 µs a repetition:
// the cost is in the meetings, a few of which repeat in any month.
void expand_a_month_of_two_feeds(benchmark::State& state) {
    setenv("TZ", "Asia/Tokyo", 1);
    tzset();
    const std::string text = feed_of_5000(static_cast<int>(state.range(0)));
    const Feed work = Feed::parse(text);
    const Feed home = Feed::parse(text);
    for (auto _ : state) {
        benchmark::DoNotOptimize(work.between({2026, 12, 1}, {2026, 12, 31}, "仕事").occurrences.size() +
                                 home.between({2026, 12, 1}, {2026, 12, 31}, "家族").occurrences.size());
    }
}
// One event in 10, 50 and 250 a weekly meeting: 1,000, 200 and 40 of them in the two feeds.
BENCHMARK(expand_a_month_of_two_feeds)->Arg(10)->Arg(50)->Arg(250)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
