// Feeds broken at random, read and expanded for a bounded time: from the
// feeds of tests/calendars/feeds, each input a few random changes away
// (bytes flipped, parts cut or repeated, lines that make trouble put in).
// Built with the sanitizers, a crash or an overrun ends the run; an
// expansion that takes over two seconds is a hang and fails it. The input
// that failed is left in the working folder as fuzz-failure.ics.
//
//     feed_fuzz FEEDS_FOLDER [SECONDS]   (KORINDE_FUZZ_SEED picks the run)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "calendars/feed.h"

namespace {

using korinde::calendars::Feed;

// Lines that have made calendar readers crash or hang.
const std::vector<std::string> troublemakers = {
    "RRULE:FREQ=SECONDLY\r\n",
    "RRULE:FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=30\r\n",
    "RRULE:FREQ=MINUTELY;BYSECOND=0,1,2,3,4,5,6,7,8,9;BYSETPOS=-1\r\n",
    "RRULE:FREQ=WEEKLY;COUNT=2000000000;BYDAY=MO,TU,WE,TH,FR,SA,SU\r\n",
    "RRULE:FREQ=DAILY;UNTIL=19000101\r\n",
    "BEGIN:VEVENT\r\n",
    "END:VEVENT\r\n",
    "BEGIN:VTIMEZONE\r\nTZID:Bad\r\nBEGIN:STANDARD\r\nTZOFFSETTO:+9999\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n",
    "RECURRENCE-ID:20261210T010000Z\r\n",
    "EXDATE:20261210T010000Z,20261217T010000Z\r\n",
    "RDATE;VALUE=PERIOD:20261210T010000Z/PT1H\r\n",
    "DTSTART;TZID=Nowhere/Nothing:20261210T100000\r\n",
    "DTSTART:99991231T235959Z\r\n",
    "DTSTART:00000101T000000\r\n",
    "DTSTART;VALUE=DATE:20261301\r\n",
    "DTEND:19700101T000000Z\r\n",
    "DURATION:P99999W\r\n",
    "DURATION:-P1D\r\n",
    "STATUS:CANCELLED\r\n",
    "SUMMARY:\xff\xfe\xc0\xaf\xed\xa0\x80\r\n",
    " folded continuation\r\n",
    "X-WR-CALNAME:\r\n",
    "REFRESH-INTERVAL;VALUE=DURATION:P\r\n",
};

std::string read_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string changed(std::string text, std::mt19937_64& random) {
    const auto below = [&](std::size_t n) {
        return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    const auto line_start = [&] {
        const std::size_t at = text.rfind('\n', below(text.size() + 1));
        return at == std::string::npos ? 0 : at + 1;
    };
    for (std::size_t changes = 1 + below(4); changes > 0; --changes) {
        switch (below(6)) {
            case 0:
                if (!text.empty()) text[below(text.size())] = static_cast<char>(below(256));
                break;
            case 1: text.erase(below(text.size() + 1), below(200)); break;
            case 2: text.resize(below(text.size() + 1)); break;
            case 3: {
                const std::size_t start = line_start();
                const std::size_t end = text.find('\n', start);
                const std::string line = text.substr(start, end == std::string::npos ? end : end - start + 1);
                std::string repeated;
                for (std::size_t n = below(2000); n > 0; --n) repeated += line;
                text.insert(start, repeated);
                break;
            }
            default: text.insert(line_start(), troublemakers[below(troublemakers.size())]); break;
        }
    }
    return text;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: feed_fuzz FEEDS_FOLDER [SECONDS]\n");
        return 2;
    }
    std::vector<std::string> feeds;
    for (const auto& entry : std::filesystem::directory_iterator(argv[1])) feeds.push_back(read_file(entry.path()));
    if (feeds.empty()) {
        std::fprintf(stderr, "feed_fuzz: no feeds in %s\n", argv[1]);
        return 2;
    }
    const double seconds = argc > 2 ? std::atof(argv[2]) : 10.0;
    const char* seed_text = std::getenv("KORINDE_FUZZ_SEED");
    const auto seed = seed_text != nullptr ? std::strtoull(seed_text, nullptr, 10) : std::random_device{}();
    std::mt19937_64 random(seed);
    // Said first: a sanitizer's report ends the run before any later word.
    std::printf("feed_fuzz: seed %llu\n", static_cast<unsigned long long>(seed));
    std::fflush(stdout);
    const auto started = std::chrono::steady_clock::now();
    long inputs = 0;
    long readable = 0;
    while (std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count() < seconds) {
        const std::string input = changed(feeds[inputs % static_cast<long>(feeds.size())], random);
        const auto begun = std::chrono::steady_clock::now();
        const Feed feed = Feed::parse(input);
        readable += feed.readable() ? 1 : 0;
        (void)feed.name();
        (void)feed.refresh_interval();
        (void)feed.between({2026, 11, 1}, {2027, 1, 31}, "fuzz");
        (void)feed.between({1, 1, 1}, {1, 1, 31}, "fuzz");
        const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - begun).count();
        ++inputs;
        if (took > 2.0) {
            std::ofstream("fuzz-failure.ics", std::ios::binary) << input;
            std::fprintf(stderr, "feed_fuzz: an input took %.1f s (seed %llu, input %ld): fuzz-failure.ics\n", took,
                         static_cast<unsigned long long>(seed), inputs);
            return 1;
        }
    }
    std::printf("feed_fuzz: %ld inputs in %.0f s, %ld of them readable\n", inputs, seconds, readable);
    return 0;
}
