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

#include "engine/kyotu1.h"
#include "ui/application.h"
#include "ui/browser.h"
#include "ui/day_cell.h"
#include "ui/fonts.h"
#include "ui/input_codes.h"
#include "ui/layout.h"
#include "ui/panel_texts.h"
#include "ui/pictures.h"
#include "ui/platform.h"
#include "ui/text_box.h"
#include "view/accessible_names.h"
#include "view/almanac_text.h"
#include "view/day_detail.h"
#include "view/navigation.h"

namespace {

using korinde::layout::to_pixels;

constexpr std::uint32_t colour_red = 0x0000FF;

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

void set_back_colour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
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
    Command1->installEventFilter(this);
    Command2->installEventFilter(this);

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
    if (kyotu1::panel_swapped == 0) Text1->setPlainText(QString::fromStdString(korinde::about_text()));
    exchange_panel_edges();
    kyotu1::panel_swapped = kyotu1::panel_swapped == 0 ? 1 : 0;
}

void wincal::exchange_panel_edges() {
    const int frame_left = Frame1->x();
    Frame1->move(Text1->x(), Frame1->y());
    Text1->move(frame_left, Text1->y());
}

bool wincal::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            // Command1 and Command2 share the window's key handlers.
            if (watched == Command1 || watched == Command2) track_modifier(static_cast<const QKeyEvent&>(*event));
            break;
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
    if (window_has_focus()) track_modifier(*event);
    QWidget::keyPressEvent(event);
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
