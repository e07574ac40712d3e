// Long seeded random sequences of user actions on the real window, with the
// program's invariants checked after every action. KORINDE_SOAK_ACTIONS sets
// the number of actions per run (a million for the long soak).
#include <cstdlib>
#include <random>
#include <regex>
#include <set>

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include "ui/panel_texts.h"
#include "window_fixture.h"

using namespace korinde_test;

namespace {

int actions_per_run() {
    const char* configured = std::getenv("KORINDE_SOAK_ACTIONS");
    return configured != nullptr ? std::atoi(configured) : 3000;
}

QtMessageHandler test_log_handler = nullptr;

// The offscreen platform says so each time the edit menu pops up.
void drop_offscreen_popup_warnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith("This plugin does not support")) return;
    test_log_handler(type, context, message);
}

const std::set<std::string> holiday_names = {
    "元旦",
    "成人の日",
    "建国記念日",
    "春分の日",
    "緑の日",
    "憲法記念日",
    "国民の休日",
    "子供の日",
    "海の日",
    "敬老の日",
    "秋分の日",
    "体育の日",
    "文化の日",
    "勤労感謝の日",
    "天皇誕生日",
    "即位礼正殿の儀",
    "皇太子朔陽親王の結婚の儀",
};

bool is_program_text(const std::string& text) {
    static const std::regex detail(R"(^ (\d+)年 (\d+)月 (\d+)日:(.+)\n\n$)");
    std::smatch match;
    if (std::regex_match(text, match, detail)) return holiday_names.contains(match[4].str());
    return text == "2100年までです！" || text == korinde::usage_notice || text == korinde::home_page_question ||
           text == korinde::browser_failed + korinde::home_page_url;
}

// The physical keyboard: which modifier keys are down.
struct Keyboard {
    bool shift = false, ctrl = false, alt = false;
    int mask() const { return (shift ? 1 : 0) + (ctrl ? 2 : 0) + (alt ? 4 : 0); }
    Qt::KeyboardModifiers modifiers() const {
        Qt::KeyboardModifiers held;
        if (shift) held |= Qt::ShiftModifier;
        if (ctrl) held |= Qt::ControlModifier;
        if (alt) held |= Qt::AltModifier;
        return held;
    }
};

class Soak {
public:
    Soak(unsigned seed, kyotu1::ClockDate start) : random_(seed), recorder_(start) {
        kyotu1::msg_box = [this](const std::string& text, std::int16_t style, const std::string&) {
            if (checking_) return kyotu1::answer_ok;
            if (!is_program_text(text)) failure_ = "unknown message box text: " + text;
            ++stats.boxes;
            if ((style & 7) != kyotu1::mb_yes_no) return kyotu1::answer_ok;
            return chance(2) ? kyotu1::answer_yes : kyotu1::answer_no;
        };
        install_fake_browser(browser_);
    }

    // Runs the actions; returns the first broken invariant, if any.
    std::optional<std::string> run(int actions) {
        wincal window;
        if (!show_and_activate(window)) return "window did not become active";
        // A right click on the text panel opens its edit menu; the user dismisses it.
        QTimer dismiss_menus;
        QObject::connect(&dismiss_menus, &QTimer::timeout, [] {
            if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        });
        dismiss_menus.start(1);
        for (int i = 0; i < actions && !failure_; ++i) {
            const std::pair<std::int16_t, std::int16_t> before{kyotu1::disp_year, kyotu1::disp_month};
            act(window);
            if (before != std::pair{kyotu1::disp_year, kyotu1::disp_month}) ++stats.steps;
            stats.lowest_year = std::min(stats.lowest_year, kyotu1::disp_year);
            stats.highest_year = std::max(stats.highest_year, kyotu1::disp_year);
            if (auto broken = check(window)) failure_ = "after action " + std::to_string(i) + ": " + *broken;
        }
        stats.browsers = browser_.created.size();
        return failure_;
    }

    struct Stats {
        int steps = 0, boxes = 0;
        std::size_t browsers = 0;
        std::int16_t lowest_year = kyotu1::max_year, highest_year = kyotu1::min_year;
    } stats;

private:
    bool chance(int one_in) { return std::uniform_int_distribution<int>(1, one_in)(random_) == 1; }
    int pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random_); }

    void act(wincal& window) {
        switch (pick(6)) {
            case 0: click_control(window, chance(2) ? "Command1" : "Command2"); break;
            case 1: click_control(window, pick(3) == 0 ? "Command3" : (chance(2) ? "Image2" : "Picture2")); break;
            case 2: click_day_cell(window); break;
            case 3: click_anywhere(window); break;
            case 4: move_focus(window); break;
            default: press_or_release_key(window); break;
        }
        // Step far while near the ends of the years, so the bounds are hit often.
        if (chance(50)) keyboard_to_decade_mode(window);
    }

    Qt::MouseButton any_button() {
        const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        return buttons[pick(4)];
    }

    // Clicks where the control stands in the window, as a user would; a
    // control out of sight is left alone.
    void click_control(wincal& window, const char* name) {
        QWidget* target = control(window, name);
        const QPoint where = target->mapTo(&window, target->rect().center());
        if (!window.rect().contains(where)) return;
        QTest::mouseClick(window.windowHandle(), any_button(), keyboard_.modifiers(), where);
    }

    void click_day_cell(wincal& window) {
        QWidget* cell = day_cell(window, pick(static_cast<int>(kyotu1::grid_cells)));
        const QPoint where = cell->mapTo(&window, cell->rect().center());
        if (!window.rect().contains(where)) return;
        QTest::mouseClick(window.windowHandle(), any_button(), keyboard_.modifiers(), where);
    }

    void click_anywhere(wincal& window) {
        QTest::mouseClick(window.windowHandle(), any_button(), keyboard_.modifiers(), QPoint(pick(129), pick(180)));
    }

    void move_focus(wincal& window) {
        const char* const names[] = {"Text1", "Command1", "Command2", "Picture2", "Command3"};
        const int which = pick(6);
        if (which == 5) {
            window.setFocus();
        } else {
            control(window, names[which])->setFocus(Qt::OtherFocusReason);
        }
    }

    void press_or_release_key(wincal& window) {
        const int which = pick(5);
        bool* down = which == 0   ? &keyboard_.shift
                     : which == 1 ? &keyboard_.ctrl
                     : which == 2 ? &keyboard_.alt
                                  : nullptr;
        if (down == nullptr) {
            const int ordinary[] = {Qt::Key_A, Qt::Key_Space, Qt::Key_Return, Qt::Key_5};
            const int key = ordinary[pick(4)];
            deliver(window, QEvent::KeyPress, key, 0);
            deliver(window, QEvent::KeyRelease, key, 0);
            return;
        }
        const int keys[] = {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt};
        int key = keys[which];
        quint32 keysym = 0;
        // X11 reports Alt pressed while Shift is held as Meta.
        if (which == 2 && keyboard_.shift && chance(2)) {
            key = Qt::Key_Meta;
            keysym = 0xffe7;
        }
        const QEvent::Type type = *down ? QEvent::KeyRelease : QEvent::KeyPress;
        // Platforms report the modifiers from before the event (X11) or after it.
        const Qt::KeyboardModifiers before = keyboard_.modifiers();
        *down = !*down;
        deliver(window, type, key, keysym, chance(2) ? before : keyboard_.modifiers());
    }

    void keyboard_to_decade_mode(wincal& window) {
        window.setFocus();
        while (keyboard_.mask() != 0) {
            bool* down = keyboard_.shift ? &keyboard_.shift : keyboard_.ctrl ? &keyboard_.ctrl : &keyboard_.alt;
            const int key = down == &keyboard_.shift  ? Qt::Key_Shift
                            : down == &keyboard_.ctrl ? Qt::Key_Control
                                                      : Qt::Key_Alt;
            *down = false;
            deliver(window, QEvent::KeyRelease, key, 0, keyboard_.modifiers());
        }
        keyboard_.ctrl = true;
        deliver(window, QEvent::KeyPress, Qt::Key_Control, 0, Qt::NoModifier);
    }

    void deliver(wincal& window, QEvent::Type type, int key, quint32 keysym,
                 std::optional<Qt::KeyboardModifiers> reported = std::nullopt) {
        QWidget* focus = QApplication::focusWidget();
        const bool handled = focus == nullptr || focus == &window || focus == control(window, "Command1") ||
                             focus == control(window, "Command2");
        const int mask = keyboard_.mask();
        if (handled && type == QEvent::KeyPress && (mask == 1 || mask == 2))
            expected_key_mode_ = static_cast<std::int16_t>(mask);
        if (handled && type == QEvent::KeyRelease && mask == 0) expected_key_mode_ = 0;
        send_key(window, type, key, reported.value_or(keyboard_.modifiers()), keysym);
    }

    std::optional<std::string> check(wincal& window) {
        if (kyotu1::disp_month < 1 || kyotu1::disp_month > 12) return "month out of range";
        if (kyotu1::disp_year < 1) return "year out of range";
        if (kyotu1::key_mode != expected_key_mode_) {
            return "key_mode " + std::to_string(kyotu1::key_mode) + ", expected " + std::to_string(expected_key_mode_);
        }
        const int frame_x = control(window, "Frame1")->x();
        const int text_x = control(window, "Text1")->x();
        const bool swapped = kyotu1::panel_swapped == 1;
        if (frame_x != (swapped ? 152 : 0) || text_x != (swapped ? 0 : 152)) return "panels out of place";
        // The edit menu pops up without blocking and goes once dismissed.
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (QApplication::topLevelWidgets().size() != 1) return "a top-level window leaked";
        checking_ = true;
        auto differs = differs_from_fresh_drawing(window);
        checking_ = false;
        if (differs) return "grid differs from a fresh drawing: " + *differs;
        return std::nullopt;
    }

    std::mt19937 random_;
    MessageRecorder recorder_;
    BrowserLog browser_;
    Keyboard keyboard_;
    std::int16_t expected_key_mode_ = 0;
    bool checking_ = false;
    std::optional<std::string> failure_;
};

}  // namespace

class WindowSoakTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        korinde::prepare_application();
        test_log_handler = qInstallMessageHandler(drop_offscreen_popup_warnings);
    }
    void init() { reset_program_state(); }
    void cleanup() {
        korinde::create_browser_object = korinde::create_desktop_browser;
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void random_actions_keep_every_invariant_data() {
        QTest::addColumn<unsigned>("seed");
        QTest::addColumn<int>("year");
        QTest::newRow("today") << 1u << 2026;
        QTest::newRow("near year 1") << 2u << 1;
        QTest::newRow("near 2100") << 3u << 2098;
        QTest::newRow("near 32767") << 4u << 32767;
    }

    void random_actions_keep_every_invariant() {
        QFETCH(unsigned, seed);
        QFETCH(int, year);
        Soak soak(seed, {static_cast<std::int16_t>(year), 6, 15});
        const auto broken = soak.run(actions_per_run());
        QVERIFY2(!broken, broken.value_or("").c_str());
        const auto& stats = soak.stats;
        qInfo("%d month changes, %d message boxes, %zu browsers, years %d to %d", stats.steps, stats.boxes,
              stats.browsers, stats.lowest_year, stats.highest_year);
        QVERIFY(stats.steps > 0 && stats.boxes > 0 && stats.browsers > 0);
    }
};

QTEST_MAIN(WindowSoakTest)
#include "window_soak_test.moc"
