// A real calendar window for tests: message boxes answered by a recorder,
// today fixed, the browser replaced by a fake that logs what it is asked.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTest>

#include "engine/run_state.h"
#include "support/message_recorder.h"
#include "ui/browser.h"
#include "ui/platform.h"
#include "ui/wincal.h"
#include "view/month_grid.h"

namespace korinde_test {

// Run directly, the window tests take Qt's offscreen platform, as under CTest.
inline const bool offscreen_unless_told_otherwise = [] {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    return true;
}();

// Every browser object created and every call made on one, in order.
struct BrowserLog {
    std::vector<std::string> created;  // program identifiers
    std::vector<std::string> calls;    // "1 navigate <address>", "1 Visible true"
    bool fail_to_create = false;
};

class FakeBrowser final : public korinde::BrowserObject {
public:
    FakeBrowser(BrowserLog& log, std::size_t number) : log_(log), prefix_(std::to_string(number) + " ") {}
    void navigate(const std::string& address) override { log_.calls.push_back(prefix_ + "navigate " + address); }
    void set_visible(bool visible) override {
        log_.calls.push_back(prefix_ + "Visible " + (visible ? "true" : "false"));
    }

private:
    BrowserLog& log_;
    std::string prefix_;
};

inline void install_fake_browser(BrowserLog& log) {
    korinde::create_browser_object = [&log](const std::string& program_id) -> std::unique_ptr<korinde::BrowserObject> {
        if (log.fail_to_create) throw korinde::AutomationError("no browser");
        log.created.push_back(program_id);
        return std::make_unique<FakeBrowser>(log, log.created.size());
    };
}

// Program-wide state as it is when the program starts.
inline void reset_program_state() {
    kyotu1::key_mode = 0;
    kyotu1::panel_swapped = 0;
}

template <typename Widget = QWidget>
Widget* control(QWidget& window, const char* name) {
    auto* found = window.findChild<Widget*>(QString::fromLatin1(name));
    if (found == nullptr) qFatal("no control named %s", name);
    return found;
}

inline QLabel* day_cell(QWidget& window, int index) {
    return control<QLabel>(window, QString("Label2_%1").arg(index).toLatin1().constData());
}

inline QColor back_colour(const QWidget* widget) { return widget->palette().color(QPalette::Window); }

// Delivers exactly this key event, with nothing synthetic added, to the
// widget that holds the focus (or the window when none does).
inline void send_key(QWidget& window, QEvent::Type type, int key, Qt::KeyboardModifiers held, quint32 native_key = 0) {
    QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &window;
    QKeyEvent event(type, key, held, 0, native_key, 0);
    QCoreApplication::sendEvent(target, &event);
}

// Shows the window and waits until it is the active one, as a user sees it.
inline bool show_and_activate(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// Nothing when the labels and the frame caption show exactly a fresh drawing
// of the displayed month, else what differs. The drawing comes from the same
// engine, so this proves only that the window copies the model faithfully
// (after steps, clicks and redraws); whether the model is right is for the
// engine's and the month grid's own tests, and for the checks of pixels.
inline std::optional<std::string> differs_from_fresh_drawing(QWidget& window) {
    kyotu1::GridModel fresh{};
    kyotu1::hyoji_cal(fresh, kyotu1::disp_year, kyotu1::disp_month);
    for (int k = 0; k < static_cast<int>(kyotu1::grid_cells); ++k) {
        const QLabel* cell = day_cell(window, k);
        const auto& want = fresh.cells[static_cast<std::size_t>(k)];
        if (cell->text().toStdString() != want.caption || cell->isVisibleTo(&window) != want.visible ||
            back_colour(cell) != korinde::colour_from_bgr(want.back_colour)) {
            return "cell " + std::to_string(k);
        }
    }
    const auto* frame = window.findChild<QWidget*>("Frame1");
    if (frame->property("title").toString().toStdString() != fresh.title) return "frame title";
    return std::nullopt;
}

}  // namespace korinde_test
