// What a user waits for after a click on 翌月: the step, the redraw of the
// grid and the repaint of the window, on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "engine/calendar.h"
#include "engine/message_box.h"
#include "engine/run_state.h"
#include "ui/platform.h"
#include "ui/wincal.h"

namespace {

// repaint() paints into the window's backing store; grab() renders the
// whole window into a fresh picture, the dearer of the two.
template <bool whole_picture>
void click_next_month(benchmark::State& state) {
    kyotu1::msg_box = [](const std::string&, std::int16_t, const std::string&) { return kyotu1::answer_ok; };
    kyotu1::system_date = [] { return kyotu1::ClockDate{2004, 11, 22}; };
    wincal window;
    window.show();
    auto* next = window.findChild<QPushButton*>("Command2");
    for (auto _ : state) {
        QTest::mouseClick(next, Qt::LeftButton);
        if constexpr (whole_picture) {
            benchmark::DoNotOptimize(window.grab());
        } else {
            window.repaint();
        }
        if (kyotu1::disp_year > 2090) kyotu1::disp_year = 2004;  // stay clear of the warning past 2100
    }
}
BENCHMARK(click_next_month<false>)->Name("click_next_month_and_repaint")->Unit(benchmark::kMicrosecond);
BENCHMARK(click_next_month<true>)->Name("click_next_month_and_grab")->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    korinde::prepare_application();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
