#include "ui/wincal.h"

#include <algorithm>

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "engine/calendar.h"
#include "engine/run_state.h"
#include "ui/accessible.h"
#include "ui/browser.h"
#include "ui/day_cell.h"
#include "ui/fonts.h"
#include "ui/guarded.h"
#include "ui/layout.h"
#include "ui/panel_texts.h"
#include "ui/pictures.h"
#include "ui/platform.h"
#include "ui/qt_input_codes.h"
#include "ui/text_box.h"
#include "view/accessible_names.h"
#include "view/almanac_text.h"
#include "view/day_detail.h"
#include "view/navigation.h"

namespace {

using korinde::layout::to_pixels;

constexpr kyotu1::BgrColour colour_red{0x0000FF};

using korinde::fonts::fixed_gothic;
using korinde::fonts::proportional_gothic;
using korinde::fonts::small_fonts;

QFont font_of(const char* family, int pixel_size) {
    QFont font(QString::fromUtf8(family));
    font.setPixelSize(pixel_size);
    return font;
}

// A one-pixel plain line around the control, no sunken edge.
void give_flat_border(QFrame* frame) {
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setLineWidth(1);
}

// A fixed back colour fixes the text colour with it: the palette's own text
// colour is light under a dark scheme and would vanish on white or light red.
void set_back_colour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, Qt::black);
    widget->setPalette(palette);
}

// A cell of the header or the grid. The text starts at the left edge: a
// label's default indent would cut off two-digit days.
QLabel* configure_cell(QLabel* cell, const QString& name, korinde::layout::Twips place) {
    cell->setObjectName(name);
    cell->setGeometry(to_pixels(place));
    cell->setFont(font_of(proportional_gothic, korinde::layout::font_9pt));
    give_flat_border(cell);
    cell->setIndent(0);
    cell->setMargin(0);
    cell->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cell->setAutoFillBackground(true);
    QPalette palette = cell->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Text));
    palette.setColor(QPalette::Window, palette.color(QPalette::Base));
    cell->setPalette(palette);
    return cell;
}

QPushButton* create_button(QWidget* parent, const char* name, const char* caption, korinde::layout::Twips place,
                           const QFont& font) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(name);
    button->setGeometry(to_pixels(place));
    button->setFont(font);
    return button;
}

}  // namespace

wincal::wincal(std::optional<kyotu1::ClockDate> first_month, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName("wincal");
    korinde::install_accessible_interfaces();
    // A desk calendar is hovered while another window has the focus.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    setWindowIcon(korinde::window_icon());
    resize(korinde::layout::client_area);
    create_frame();
    create_buttons();
    create_text_panel();
    name_controls_for_screen_readers();
    set_tab_order();
    Form_Load(first_month);
    // A desk calendar stays open for days: once a minute the cyan day is
    // checked against the clock, so midnight and clock or zone jumps show.
    auto* today_timer = new QTimer(this);
    today_timer->setObjectName("today_timer");
    connect(today_timer, &QTimer::timeout, this, [this] { korinde::guarded([this] { follow_the_clock(); }); });
    today_timer->start(60 * 1000);
}

void wincal::create_frame() {
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName("Frame1");
    Frame1->setGeometry(to_pixels(korinde::layout::frame1));
    Frame1->setFont(font_of(proportional_gothic, korinde::layout::font_9pt));

    for (std::size_t i = 0; i < Label1.size(); ++i) {
        const int column = static_cast<int>(i);
        Label1[i] =
            configure_cell(new QLabel(Frame1), QString("Label1_%1").arg(column), korinde::layout::label1(column));
        Label1[i]->setAccessibleName(QString::fromStdString(kyotu1::weekday_name(static_cast<std::int16_t>(i))));
    }
    set_back_colour(Label1[0], korinde::colour_from_bgr(kyotu1::colour_light_red));

    for (std::size_t k = 0; k < Label2.size(); ++k) {
        const int cell = static_cast<int>(k);
        auto* day_cell = new korinde::DayCell(Frame1, [this, k] { return almanac_of_cell(k); });
        Label2[k] = configure_cell(day_cell, QString("Label2_%1").arg(cell), korinde::layout::label2(cell));
        Label2[k]->hide();
        Label2[k]->installEventFilter(this);
        shown_.cells[k] = {"", 0xFFFFFFFF, false, "", 0, ""};  // no colour yet, so the first draw sets it
    }

    Image2 = new QLabel(Frame1);
    Image2->setObjectName("Image2");
    Image2->setGeometry(to_pixels(korinde::layout::image2));
    give_flat_border(Image2);
    Image2->setPixmap(korinde::help_picture(devicePixelRatioF()));
    Image2->installEventFilter(this);
}

void wincal::create_buttons() {
    const QFont caption_font = font_of(proportional_gothic, korinde::layout::font_9pt);
    Command1 = create_button(this, "Command1", "前月", korinde::layout::command1, caption_font);
    Command2 = create_button(this, "Command2", "翌月", korinde::layout::command2, caption_font);
    Command3 = create_button(this, "Command3", "HP", korinde::layout::command3,
                             font_of(small_fonts, korinde::layout::font_3_75pt));
    connect(Command1, &QPushButton::clicked, this, [this] { korinde::guarded([this] { Command1_Click(); }); });
    connect(Command2, &QPushButton::clicked, this, [this] { korinde::guarded([this] { Command2_Click(); }); });
    connect(Command3, &QPushButton::clicked, this, [this] { korinde::guarded([this] { Command3_Click(); }); });
    // The buttons' keys pass through the window's filter: the modifiers of
    // Command1 and Command2, and the navigation keys of all three.
    Command1->installEventFilter(this);
    Command2->installEventFilter(this);
    Command3->installEventFilter(this);

    Picture2 = new QFrame(this);
    Picture2->setObjectName("Picture2");
    Picture2->setGeometry(to_pixels(korinde::layout::picture2));
    give_flat_border(Picture2);
    Picture2->setAutoFillBackground(true);
    set_back_colour(Picture2, korinde::colour_from_bgr(colour_red));
    Picture2->setFocusPolicy(Qt::StrongFocus);
    Picture2->installEventFilter(this);
}

void wincal::create_text_panel() {
    Text1 = new korinde::TextBox(this);
    Text1->setObjectName("Text1");
    Text1->setGeometry(to_pixels(korinde::layout::text1));
    Text1->setFont(font_of(fixed_gothic, korinde::layout::font_8_25pt));
    give_flat_border(Text1);
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setTabChangesFocus(true);
    Text1->installEventFilter(this);  // for the navigation keys
}

// Names for screen readers where the control shows no text of its own, or
// too short a one.
void wincal::name_controls_for_screen_readers() {
    const std::array<std::pair<QWidget*, const char*>, 4> names = {{
        {Image2, "使い方"},
        {Picture2, "バージョンと作者の表示"},
        {Command3, "作者のホームページ"},
        {Text1, "バージョンと作者"},
    }};
    for (const auto& [control, name] : names) control->setAccessibleName(QString::fromUtf8(name));
}

void wincal::set_tab_order() {
    Frame1->setFocusPolicy(Qt::NoFocus);
    setTabOrder(Text1, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Picture2);
    setTabOrder(Picture2, Command3);
}

// Start-up: runs before the window is first shown.
void wincal::Form_Load(std::optional<kyotu1::ClockDate> first_month) {
    centre_on_screen();
    for (std::size_t i = 0; i < Label1.size(); ++i)
        Label1[i]->setText(QString::fromStdString(kyotu1::weekday_letter(static_cast<std::int16_t>(i))));
    kyotu1::title_set();
    setWindowTitle(QString::fromStdString(korinde::window_title()));
    setAccessibleDescription(QString::fromStdString(korinde::law_description()));
    Frame1->setToolTip(QString::fromStdString(korinde::law_description()));
    kyotu1::start_at(first_month ? *first_month : kyotu1::system_date());
    hyoji_cal(kyotu1::disp_year, kyotu1::disp_month);
    // The frame and title bar are the desktop's: fixing the client area
    // gives the outer size wherever the frame is the standard one.
    setFixedSize(korinde::layout::client_area);
    Text1->setFocus();
}

// Centres the outer window, frame included, on the screen.
void wincal::centre_on_screen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect area = screen->geometry();
    const QSize outer = korinde::layout::outer_size;
    move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
}

void wincal::hyoji_cal(std::int16_t year, std::int16_t month) {
    kyotu1::hyoji_cal(grid_, year, month);
    copy_grid_to_labels();
}

// Copies the model onto the labels. shown_ is what the labels hold now, so a
// redraw touches only what changed: palette changes and repaints are the
// cost of a redraw.
void wincal::copy_grid_to_labels() {
    for (std::size_t k = 0; k < Label2.size(); ++k) {
        const kyotu1::GridModel::Cell& want = grid_.cells[k];
        kyotu1::GridModel::Cell& have = shown_.cells[k];
        if (want.caption != have.caption) Label2[k]->setText(QString::fromStdString(want.caption));
        if (want.back_colour != have.back_colour) {
            set_back_colour(Label2[k], korinde::colour_from_bgr(want.back_colour));
        }
        if (want.visible != have.visible) Label2[k]->setVisible(want.visible);
        if (want.spoken_name != have.spoken_name)
            Label2[k]->setAccessibleName(QString::fromStdString(want.spoken_name));
        have = want;
    }
    if (grid_.title != shown_.title) Frame1->setTitle(QString::fromStdString(grid_.title));
    shown_.title = grid_.title;
}

// The tooltip of a shown day cell, computed when it is asked for.
QString wincal::almanac_of_cell(std::size_t k) const {
    const kyotu1::GridModel::Cell& cell = grid_.cells.at(k);
    if (!cell.visible) return {};
    QString text;
    korinde::guarded(
        [&] { text = QString::fromStdString(kyotu1::day_tooltip(grid_.year, grid_.month, cell.day, cell.holiday)); });
    return text;
}
