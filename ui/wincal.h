// The calendar window: the month frame with its weekday header and day grid,
// the navigation buttons, the home page button, the red about box and the
// text panel that takes the calendar's place.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include <QWidget>

#include "engine/calendar.h"
#include "view/month_grid.h"

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
namespace korinde {
class TextBox;
}

class wincal : public QWidget {
    Q_OBJECT

public:
    // Creates the controls and runs the start-up, opening at the given month
    // or at today's; show() it afterwards.
    explicit wincal(std::optional<kyotu1::ClockDate> first_month = std::nullopt, QWidget* parent = nullptr);

    // Draws the month into the grid and the frame's caption.
    void hyoji_cal(std::int16_t year, std::int16_t month);
    // Asks whether the computer is online and opens the home page.
    void sakusya();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void create_frame();
    void create_buttons();
    void create_text_panel();
    void name_controls_for_screen_readers();
    void set_tab_order();

    void Form_Load(std::optional<kyotu1::ClockDate> first_month);
    void Form_Unload();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Label2_MouseUp(std::size_t index, std::int16_t button);
    void Image2_MouseUp(std::int16_t button);
    void Picture2_MouseUp(std::int16_t button);

    void redraw_after_step(bool stepped);
    void follow_the_clock();
    void centre_on_screen();
    void exchange_panel_edges();
    void copy_grid_to_labels();
    [[nodiscard]] QString almanac_of_cell(std::size_t k) const;
    [[nodiscard]] bool window_has_focus() const;
    void track_modifier(const QKeyEvent& event);
    bool navigate_by_key(const QKeyEvent& event);

    QGroupBox* Frame1 = nullptr;
    std::array<QLabel*, 7> Label1{};
    std::array<QLabel*, kyotu1::grid_cells> Label2{};
    QLabel* Image2 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QFrame* Picture2 = nullptr;
    korinde::TextBox* Text1 = nullptr;

    kyotu1::GridModel grid_{};
    // A copy of what the labels show now, kept only so that a redraw touches
    // just the labels that change.
    kyotu1::GridModel shown_{};
};
