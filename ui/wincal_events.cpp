// The window's event handlers: navigation by button and by key, the day
// detail, the panels, the home page and the end of the program.
#include <algorithm>

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "engine/message_box.h"
#include "engine/run_state.h"
#include "ui/browser.h"
#include "ui/guarded.h"
#include "ui/panel_texts.h"
#include "ui/platform.h"
#include "ui/qt_input_codes.h"
#include "ui/text_box.h"
#include "ui/text_box_accessible.h"
#include "ui/wincal.h"
#include "view/day_detail.h"
#include "view/month_grid.h"
#include "view/navigation.h"

void wincal::Command1_Click() { redraw_after_step(kyotu1::step_back()); }

void wincal::Command2_Click() { redraw_after_step(kyotu1::step_forward()); }

// A step beyond the supported years changes nothing; the beep says so.
void wincal::redraw_after_step(bool stepped) {
    if (stepped) {
        hyoji_cal(kyotu1::disp_year, kyotu1::disp_month);
    } else {
        QApplication::beep();
    }
}

// Recolours the shown month when the date has changed since it was drawn;
// the month shown and the day tables stay as they are.
void wincal::follow_the_clock() {
    if (kyotu1::system_date() == grid_.today) return;
    kyotu1::fill_grid(grid_, grid_.year, grid_.month);
    copy_grid_to_labels();
}

void wincal::Command3_Click() { sakusya(); }

void wincal::sakusya() {
    const std::int16_t answer = kyotu1::msg_box(
        korinde::home_page_question, kyotu1::mb_yes_no + kyotu1::mb_icon_warning, korinde::home_page_question_title);
    if (answer != kyotu1::answer_yes) return;
    try {
        const auto browser = korinde::create_browser_object(korinde::browser_program_id);
        browser->navigate(korinde::home_page_url);
        browser->set_visible(true);
    } catch (const korinde::AutomationError&) {
        kyotu1::msg_box(korinde::browser_failed + korinde::home_page_url, kyotu1::mb_icon_warning,
                        korinde::home_page_question_title);
    }
}

void wincal::Label2_MouseUp(std::size_t index, std::int16_t button) {
    kyotu1::day_cell_released(Label2[index]->text().toStdString(), button);
}

void wincal::Image2_MouseUp(std::int16_t button) {
    if (button != kyotu1::button_left) return;
    kyotu1::msg_box(korinde::usage_notice, kyotu1::mb_icon_information, kyotu1::app_title);
}

void wincal::Picture2_MouseUp(std::int16_t button) {
    if (button != kyotu1::button_left) return;
    // Written before the exchange, so the panel comes into view filled.
    if (kyotu1::panel_swapped == 0) Text1->set_text(QString::fromStdString(korinde::about_text()));
    exchange_panel_edges();
    kyotu1::panel_swapped = kyotu1::panel_swapped == 0 ? 1 : 0;
}

void wincal::exchange_panel_edges() {
    const int frame_left = Frame1->x();
    Frame1->move(Text1->x(), Frame1->y());
    Text1->move(frame_left, Text1->y());
    korinde::announce_text_box_moved(Text1);
}

bool wincal::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            const auto& key = static_cast<const QKeyEvent&>(*event);
            // Command1 and Command2 share the window's key handlers.
            if (watched == Command1 || watched == Command2) track_modifier(key);
            if (event->type() == QEvent::KeyPress && navigate_by_key(key)) return true;
            break;
        }
        case QEvent::MouseButtonRelease: {
            const std::int16_t button = korinde::mouse_button_code(static_cast<QMouseEvent*>(event)->button());
            korinde::guarded([&] {
                if (watched == Image2) Image2_MouseUp(button);
                if (watched == Picture2) Picture2_MouseUp(button);
                auto* const cell = std::find(Label2.begin(), Label2.end(), watched);
                if (cell != Label2.end()) Label2_MouseUp(static_cast<std::size_t>(cell - Label2.begin()), button);
            });
            break;
        }
        default: break;
    }
    return QWidget::eventFilter(watched, event);
}

// The window sees a key only when no control holds the focus; keys that a
// control leaves unused bubble up here and must not count twice.
bool wincal::window_has_focus() const {
    const QWidget* focus = QApplication::focusWidget();
    return focus == nullptr || focus == this;
}

void wincal::keyPressEvent(QKeyEvent* event) {
    if (window_has_focus()) {
        track_modifier(*event);
        if (navigate_by_key(*event)) return;
    }
    QWidget::keyPressEvent(event);
}

// The navigation keys work whichever control holds the focus, and leave
// key_mode to the buttons' own modifier handling.
bool wincal::navigate_by_key(const QKeyEvent& event) {
    const auto key = korinde::navigation_key(event);
    if (!key) return false;
    korinde::guarded([&] {
        if (key->to_today) {
            kyotu1::start_at(kyotu1::system_date());
            redraw_after_step(true);
        } else {
            redraw_after_step(kyotu1::step_months(key->months));
        }
    });
    return true;
}

void wincal::keyReleaseEvent(QKeyEvent* event) {
    if (window_has_focus()) track_modifier(*event);
    QWidget::keyReleaseEvent(event);
}

// The key-down and key-up handlers of Command1, Command2 and the window.
void wincal::track_modifier(const QKeyEvent& event) {
    const std::int16_t mask = korinde::modifier_mask(event);
    if (event.type() == QEvent::KeyPress) {
        kyotu1::modifier_key_down(mask);
    } else {
        kyotu1::modifier_key_up(mask);
    }
}

void wincal::closeEvent(QCloseEvent* event) {
    event->accept();
    Form_Unload();
}

// Closing the window ends the program at once, whichever panel is in view.
void wincal::Form_Unload() { korinde::end_program(); }
