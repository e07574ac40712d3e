// Where every control of the window stands, in twips (15 to a pixel at 96 dpi).
// Controls inside Frame1 are placed from the frame's corner.
#pragma once

#include <QRect>
#include <QSize>

namespace korinde::layout {

struct Twips {
    int left, top, width, height;
};

constexpr int twips_per_pixel = 15;

constexpr QRect to_pixels(Twips t) {
    return {t.left / twips_per_pixel, t.top / twips_per_pixel, t.width / twips_per_pixel, t.height / twips_per_pixel};
}

constexpr QSize client_area{1935 / twips_per_pixel, 2700 / twips_per_pixel};
// The client area with a standard fixed frame and title bar around it: the
// size the window is centred by before it is shown, as the frame is not known
// yet.
constexpr QSize outer_size{2025 / twips_per_pixel, 3075 / twips_per_pixel};

constexpr Twips frame1{0, 0, 1935, 2175};
constexpr Twips text1{2280, 0, 1935, 2100};
constexpr Twips command1{120, 2280, 615, 375};
constexpr Twips command3{840, 2280, 255, 180};
constexpr Twips picture2{840, 2520, 255, 135};
constexpr Twips command2{1200, 2280, 615, 375};
constexpr Twips image2{1320, 1920, 480, 180};

// The weekday header and the day grid: cells 255 square on a 240 pitch, so
// neighbours share one border line.
constexpr int cell_size = 255;
constexpr int cell_pitch = 240;
constexpr int grid_left = 120;
constexpr int header_top = 240;
constexpr int grid_top = 600;

constexpr Twips label1(int column) { return {grid_left + cell_pitch * column, header_top, cell_size, cell_size}; }
constexpr Twips label2(int cell) {
    return {grid_left + cell_pitch * (cell % 7), grid_top + cell_pitch * (cell / 7), cell_size, cell_size};
}

// Font sizes in pixels at 96 dpi: 9 pt, 8.25 pt and 3.75 pt.
constexpr int font_9pt = 12;
constexpr int font_8_25pt = 11;
constexpr int font_3_75pt = 5;

}  // namespace korinde::layout
