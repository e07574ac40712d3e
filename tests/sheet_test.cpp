// The printed sheets' layout; what they say is read back from the PDF
// through the program.
#include <gtest/gtest.h>

#include "engine/almanac.h"
#include "engine/calendar.h"
#include "engine/holidays.h"
#include "engine/run_state.h"
#include "view/sheet.h"

namespace kyotu1::sheet {
namespace {

// Paper has no today.
void use_no_clock() {
    system_date = [] { return ClockDate{0, 1, 1}; };
}

bool overlap(const Box& a, const Box& b) {
    constexpr double touch = 1e-9;
    return a.x + a.width > b.x + touch && b.x + b.width > a.x + touch && a.y + a.height > b.y + touch &&
           b.y + b.height > a.y + touch;
}

// No text over another, and all within the page's margins of 8 mm.
void expect_laid_out(const Page& page, const std::string& what) {
    for (std::size_t i = 0; i < page.texts.size(); ++i) {
        const Box& box = page.texts[i].box;
        EXPECT_TRUE(box.x >= 8 && box.y >= 8 && box.x + box.width <= page_width - 8 &&
                    box.y + box.height <= page_height - 8)
            << what << ": " << page.texts[i].text;
        for (std::size_t j = i + 1; j < page.texts.size(); ++j) {
            EXPECT_FALSE(overlap(box, page.texts[j].box))
                << what << ": " << page.texts[i].text << " over " << page.texts[j].text;
        }
    }
}

// Every month of the range, the crowded days among them.
TEST(Sheets, TextsKeepApartOnEveryPage) {
    use_no_clock();
    holiday_law = HolidayLaw::current;
    for (int year = first_almanac_year; year <= last_almanac_year; ++year) {
        const auto y = static_cast<std::int16_t>(year);
        expect_laid_out(year_page(y), std::to_string(year));
        for (std::int16_t month = 1; month <= 12; ++month) {
            expect_laid_out(month_page(y, month), std::to_string(year) + "-" + std::to_string(month));
        }
        if (HasFailure()) return;
    }
}

// Weeks from Sunday: as many rows of cells as the month needs.
TEST(Sheets, RowsTheMonthNeeds) {
    use_no_clock();
    holiday_law = HolidayLaw::builtin;
    struct Case {
        std::int16_t year, month;
        std::size_t rows;
    };
    for (const auto& [year, month, rows] : {Case{2026, 2, 4}, {2026, 12, 5}, {2026, 8, 6}}) {
        const Page page = month_page(year, month);
        // The rules across: one above each row and one under the last; six down.
        EXPECT_EQ(page.rules.size(), rows + 1 + 6) << year << "-" << month;
        // A figure on each day of a phase, and four explaining them.
        std::size_t phases = 0;
        for (std::int16_t day = 1; day <= 31; ++day) {
            const auto almanac = day <= month_days(year, month) ? run_almanac().day(year, month, day) : std::nullopt;
            phases += almanac && almanac->moon_phase >= 0 ? 1 : 0;
        }
        EXPECT_EQ(page.moons.size(), phases + 4) << year << "-" << month;
    }
}

}  // namespace
}  // namespace kyotu1::sheet
