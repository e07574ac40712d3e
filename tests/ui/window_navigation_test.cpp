// Month steps driven by real clicks and key events on the window.
#include <QGroupBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdint>

#include "window_fixture.h"

using namespace korinde_test;

namespace {

QString shown_month(QWidget& window) { return control<QGroupBox>(window, "Frame1")->title(); }

void click(QWidget& window, const char* name) { QTest::mouseClick(control(window, name), Qt::LeftButton); }

}  // namespace

class WindowNavigationTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { korinde::prepare_application(); }
    void init() { reset_program_state(); }
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void plain_clicks_step_a_month();
    void shift_and_ctrl_on_the_buttons_step_years_and_decades();
    void modifiers_pressed_in_the_text_panel_do_nothing();
    void mode_survives_a_release_on_another_control();
    void window_itself_takes_the_keys_when_nothing_has_focus();
    void masks_with_alt_or_both_keys_change_nothing();
    void steps_beyond_the_supported_years_are_refused();
    void redraw_past_2100_warns_first();
    void navigation_redraws_behind_the_about_panel();
    void keys_step_the_month_whichever_control_has_the_focus();
    void today_follows_the_clock_without_a_word();
};

void WindowNavigationTest::plain_clicks_step_a_month() {
    MessageRecorder recorder{{2005, 1, 10}};
    wincal window;
    click(window, "Command1");
    QCOMPARE(shown_month(window), QString("2004年 12月"));
    click(window, "Command2");
    QCOMPARE(shown_month(window), QString("2005年 1月"));
    QCOMPARE(back_colour(day_cell(window, 15)), QColor(0, 255, 255));  // today, 10 January
    click(window, "Command2");
    QCOMPARE(shown_month(window), QString("2005年 2月"));
    QCOMPARE(differs_from_fresh_drawing(window), std::nullopt);
}

void WindowNavigationTest::shift_and_ctrl_on_the_buttons_step_years_and_decades() {
    MessageRecorder recorder{{2004, 11, 22}};
    wincal window;
    QVERIFY(show_and_activate(window));
    click(window, "Command2");  // the button takes the focus; December 2004
    QCOMPARE(QApplication::focusWidget(), control(window, "Command2"));

    send_key(window, QEvent::KeyPress, Qt::Key_Shift, Qt::NoModifier);  // X11 reports no Shift yet
    QCOMPARE(kyotu1::key_mode, 1);
    for (int i = 0; i < 3; ++i) click(window, "Command2");
    QCOMPARE(shown_month(window), QString("2007年 12月"));
    QCOMPARE(kyotu1::key_mode, 1);
    // QTest-style release that still reports Shift: the key's own bit is cleared.
    send_key(window, QEvent::KeyRelease, Qt::Key_Shift, Qt::ShiftModifier);
    QCOMPARE(kyotu1::key_mode, 0);

    click(window, "Command1");
    QCOMPARE(shown_month(window), QString("2007年 11月"));
    send_key(window, QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier);
    QCOMPARE(kyotu1::key_mode, 2);
    click(window, "Command1");
    QCOMPARE(shown_month(window), QString("1997年 11月"));
    click(window, "Command2");
    click(window, "Command2");
    QCOMPARE(shown_month(window), QString("2017年 11月"));
    send_key(window, QEvent::KeyRelease, Qt::Key_Control, Qt::NoModifier);
    QCOMPARE(kyotu1::key_mode, 0);
    QCOMPARE(differs_from_fresh_drawing(window), std::nullopt);
}

void WindowNavigationTest::modifiers_pressed_in_the_text_panel_do_nothing() {
    MessageRecorder recorder{{2004, 11, 22}};
    wincal window;
    QVERIFY(show_and_activate(window));
    QCOMPARE(QApplication::focusWidget(), control(window, "Text1"));
    send_key(window, QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
    QCOMPARE(kyotu1::key_mode, 0);
    click(window, "Command2");
    QCOMPARE(shown_month(window), QString("2004年 12月"));
    send_key(window, QEvent::KeyRelease, Qt::Key_Shift, Qt::NoModifier);
    QCOMPARE(kyotu1::key_mode, 0);
}

void WindowNavigationTest::mode_survives_a_release_on_another_control() {
    MessageRecorder recorder{{2004, 11, 22}};
    wincal window;
    QVERIFY(show_and_activate(window));
    click(window, "Command2");
    send_key(window, QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
    control(window, "Picture2")->setFocus(Qt::MouseFocusReason);
    QCOMPARE(QApplication::focusWidget(), control(window, "Picture2"));
    send_key(window, QEvent::KeyRelease, Qt::Key_Shift, Qt::NoModifier);
    QCOMPARE(kyotu1::key_mode, 1);
    click(window, "Command1");
    QCOMPARE(shown_month(window), QString("2003年 12月"));
}

void WindowNavigationTest::window_itself_takes_the_keys_when_nothing_has_focus() {
    MessageRecorder recorder;
    wincal window;
    QVERIFY(show_and_activate(window));
    window.setFocus();
    QCOMPARE(QApplication::focusWidget(), &window);
    send_key(window, QEvent::KeyPress, Qt::Key_Control, Qt::NoModifier);
    QCOMPARE(kyotu1::key_mode, 2);
    send_key(window, QEvent::KeyRelease, Qt::Key_Control, Qt::ControlModifier);
    QCOMPARE(kyotu1::key_mode, 0);
}

void WindowNavigationTest::masks_with_alt_or_both_keys_change_nothing() {
    MessageRecorder recorder;
    wincal window;
    QVERIFY(show_and_activate(window));
    click(window, "Command1");

    send_key(window, QEvent::KeyPress, Qt::Key_Shift, Qt::AltModifier);  // Shift with Alt held
    QCOMPARE(kyotu1::key_mode, 0);
    send_key(window, QEvent::KeyPress, Qt::Key_Shift, Qt::NoModifier);
    send_key(window, QEvent::KeyPress, Qt::Key_Control, Qt::ShiftModifier);  // both: first key wins
    QCOMPARE(kyotu1::key_mode, 1);
    send_key(window, QEvent::KeyRelease, Qt::Key_Shift, Qt::ShiftModifier | Qt::ControlModifier);
    QCOMPARE(kyotu1::key_mode, 1);  // Ctrl still held
    send_key(window, QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(kyotu1::key_mode, 2);

    // On X11, Alt pressed while Shift is held arrives as Meta; Super does too but is no Alt.
    kyotu1::key_mode = 0;
    send_key(window, QEvent::KeyPress, Qt::Key_Meta, Qt::ShiftModifier, 0xffe7);
    QCOMPARE(kyotu1::key_mode, 0);
    send_key(window, QEvent::KeyPress, Qt::Key_Meta, Qt::ShiftModifier, 0xffeb);
    QCOMPARE(kyotu1::key_mode, 1);
    send_key(window, QEvent::KeyRelease, Qt::Key_Meta, Qt::ShiftModifier | Qt::AltModifier, 0xffe8);
    QCOMPARE(kyotu1::key_mode, 1);
}

void WindowNavigationTest::steps_beyond_the_supported_years_are_refused() {
    MessageRecorder recorder{{1, 1, 1}};
    wincal window;
    QCOMPARE(shown_month(window), QString("1年 1月"));
    click(window, "Command1");
    QCOMPARE(shown_month(window), QString("1年 1月"));
    QCOMPARE(kyotu1::disp_year, 1);
    QCOMPARE(kyotu1::disp_month, 1);
    QCOMPARE(differs_from_fresh_drawing(window), std::nullopt);

    kyotu1::key_mode = 2;
    kyotu1::disp_year = 32760;
    click(window, "Command2");
    QCOMPARE(kyotu1::disp_year, 32760);
    QCOMPARE(shown_month(window), QString("1年 1月"));  // nothing redrawn
    recorder.shown.clear();
    kyotu1::key_mode = 1;
    click(window, "Command2");
    QCOMPARE(shown_month(window), QString("32761年 1月"));
    QCOMPARE(recorder.texts(), std::vector<std::string>{"2100年までです！"});
}

void WindowNavigationTest::redraw_past_2100_warns_first() {
    MessageRecorder recorder{{2095, 6, 1}};
    wincal window;
    kyotu1::key_mode = 2;
    click(window, "Command2");
    QCOMPARE(recorder.texts(), std::vector<std::string>{"2100年までです！"});
    QCOMPARE(shown_month(window), QString("2105年 6月"));
    click(window, "Command1");
    QCOMPARE(recorder.shown.size(), 1U);
    QCOMPARE(shown_month(window), QString("2095年 6月"));
}

void WindowNavigationTest::navigation_redraws_behind_the_about_panel() {
    MessageRecorder recorder{{2004, 11, 22}};
    wincal window;
    QTest::mouseClick(control(window, "Picture2"), Qt::LeftButton);
    QCOMPARE(kyotu1::panel_swapped, 1);
    click(window, "Command2");
    QCOMPARE(shown_month(window), QString("2004年 12月"));
    QCOMPARE(control(window, "Frame1")->x(), 152);
    QCOMPARE(differs_from_fresh_drawing(window), std::nullopt);
}

// Real key presses (QTest presses and releases the modifiers too) on each
// control in turn; the buttons' key_mode is left as it was, the year ends
// refuse, and Esc closes nothing outside the popup.
void WindowNavigationTest::keys_step_the_month_whichever_control_has_the_focus() {
    struct Press {
        const char* focus;
        Qt::Key key;
        Qt::KeyboardModifiers held;
        const char* month;
    };
    MessageRecorder recorder{{2026, 12, 9}};
    wincal window;
    QVERIFY(show_and_activate(window));
    const Press presses[] = {
        {"Text1", Qt::Key_Left, Qt::NoModifier, "2026年 11月"},
        {"Text1", Qt::Key_PageDown, Qt::NoModifier, "2026年 12月"},
        {"Command1", Qt::Key_Right, Qt::ShiftModifier, "2027年 12月"},
        {"Command2", Qt::Key_PageUp, Qt::ControlModifier, "2017年 12月"},
        {"Command3", Qt::Key_Right, Qt::KeypadModifier, "2018年 1月"},
        {"Picture2", Qt::Key_Left, Qt::ShiftModifier | Qt::ControlModifier, "2008年 1月"},
        {"Picture2", Qt::Key_Left, Qt::AltModifier, "2008年 1月"},
        {"Text1", Qt::Key_Escape, Qt::NoModifier, "2008年 1月"},
        {"Command2", Qt::Key_Home, Qt::NoModifier, "2026年 12月"},
    };
    for (const Press& p : presses) {
        control(window, p.focus)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), p.key, p.held);
        QCOMPARE(shown_month(window), QString(p.month));
        QCOMPARE(kyotu1::key_mode, 0);
    }
    QVERIFY(window.isVisible());
    QCOMPARE(differs_from_fresh_drawing(window), std::nullopt);

    const std::pair<std::int16_t, Qt::Key> ends[] = {{1, Qt::Key_PageUp}, {32767, Qt::Key_PageDown}};
    for (const auto& [year, key] : ends) {
        kyotu1::disp_year = year;
        kyotu1::disp_month = year == 1 ? 1 : 12;
        QTest::keyClick(control(window, "Text1"), key);
        QCOMPARE(kyotu1::disp_year, year);
        QCOMPARE(shown_month(window), QString("2026年 12月"));  // refused: nothing redrawn
    }
}

// The minute timer moves the cyan day when the clock passes midnight or
// jumps, keeps the month shown, and warns of nothing even past 2100.
void WindowNavigationTest::today_follows_the_clock_without_a_word() {
    MessageRecorder recorder{{2026, 12, 9}};
    wincal window;
    auto* timer = window.findChild<QTimer*>("today_timer");
    QVERIFY(timer != nullptr && timer->isActive());
    QCOMPARE(timer->interval(), 60000);
    const QColor cyan(0, 255, 255);
    const QColor white(255, 255, 255);
    const auto tick = [&](kyotu1::ClockDate today) {
        recorder.set_today(today);
        QMetaObject::invokeMethod(timer, "timeout");
    };

    QCOMPARE(back_colour(day_cell(window, 10)), cyan);  // 9 December 2026
    tick({2026, 12, 10});
    QCOMPARE(back_colour(day_cell(window, 10)), white);
    QCOMPARE(back_colour(day_cell(window, 11)), cyan);
    tick({2027, 1, 1});  // into another month: the month shown stays
    QCOMPARE(shown_month(window), QString("2026年 12月"));
    QCOMPARE(back_colour(day_cell(window, 11)), white);
    QCOMPARE(differs_from_fresh_drawing(window), std::nullopt);

    kyotu1::key_mode = 2;
    for (int i = 0; i < 8; ++i) click(window, "Command2");  // December 2106, after its warning
    QCOMPARE(shown_month(window), QString("2106年 12月"));
    recorder.shown.clear();
    tick({2106, 12, 25});
    QVERIFY(recorder.shown.empty());
    QCOMPARE(back_colour(day_cell(window, 3 + 24)), cyan);  // 1 December 2106 is a Wednesday, in cell 3
}

QTEST_MAIN(WindowNavigationTest)
#include "window_navigation_test.moc"
