#include "ui/platform.h"

#include <algorithm>
#include <array>

#include <QApplication>
#include <QDate>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>

#include "engine/message_box.h"
#include "engine/run_state.h"
#include "korinde_version.h"
#include "ui/fonts.h"

namespace korinde {
namespace {

using Button = QMessageBox::StandardButton;

// The button sets of a button-and-icon value's low bits, each in the order
// the default-button bits count them.
struct ButtonSet {
    std::int16_t style;
    std::vector<Button> buttons;
};
const std::array<ButtonSet, 6> button_sets = {{
    {kyotu1::mb_ok_only, {QMessageBox::Ok}},
    {kyotu1::mb_ok_cancel, {QMessageBox::Ok, QMessageBox::Cancel}},
    {kyotu1::mb_abort_retry_ignore, {QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore}},
    {kyotu1::mb_yes_no_cancel, {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}},
    {kyotu1::mb_yes_no, {QMessageBox::Yes, QMessageBox::No}},
    {kyotu1::mb_retry_cancel, {QMessageBox::Retry, QMessageBox::Cancel}},
}};

// Each button's answer code.
struct Answer {
    Button button;
    std::int16_t code;
};
constexpr std::array<Answer, 7> answers = {{
    {QMessageBox::Ok, kyotu1::answer_ok},
    {QMessageBox::Cancel, kyotu1::answer_cancel},
    {QMessageBox::Abort, kyotu1::answer_abort},
    {QMessageBox::Retry, kyotu1::answer_retry},
    {QMessageBox::Ignore, kyotu1::answer_ignore},
    {QMessageBox::Yes, kyotu1::answer_yes},
    {QMessageBox::No, kyotu1::answer_no},
}};

const Answer& answer_for(Button button) {
    const auto* const found = std::ranges::find(answers, button, &Answer::button);
    return found != answers.end() ? *found : answers.front();
}

QMessageBox::Icon icon_for(std::int16_t style) {
    switch (style & kyotu1::mb_icons) {
        case kyotu1::mb_icon_critical: return QMessageBox::Critical;
        case kyotu1::mb_icon_question: return QMessageBox::Question;
        case kyotu1::mb_icon_warning: return QMessageBox::Warning;
        case kyotu1::mb_icon_information: return QMessageBox::Information;
        default: return QMessageBox::NoIcon;
    }
}

const std::vector<Button>& buttons_for(std::int16_t style) {
    const auto* const found = std::ranges::find(button_sets, style & kyotu1::mb_buttons, &ButtonSet::style);
    return (found != button_sets.end() ? *found : button_sets.front()).buttons;
}

}  // namespace

void prepare_application() {
    QApplication::setApplicationName("Korinde");
    QApplication::setApplicationVersion(program_version);
    // Wayland's app id, so that a dock ties the window to its menu entry.
    QGuiApplication::setDesktopFileName("jp.example.korinde");
    // The classic style sets the frame's caption into its top edge and gives
    // the buttons the flat look the small window was drawn for.
    QApplication::setStyle("Windows");
    // The window keeps its own font names; the IPA faces were made to match
    // the metrics of the two Japanese ones.
    QFont::insertSubstitution(QString::fromUtf8(fonts::proportional_gothic), "IPAPGothic");
    QFont::insertSubstitution(QString::fromUtf8(fonts::fixed_gothic), "IPAGothic");
    QFont::insertSubstitution(fonts::small_fonts, "DejaVu Sans");
    // Qt's own captions (message box buttons, the edit and scroll menus) in
    // Japanese, like every other text of the program. Without the file they
    // stay Qt's English ones.
    static QTranslator qt_japanese;
    if (qt_japanese.load(QLocale(QLocale::Japanese, QLocale::Japan), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qt_japanese);
    }
}

void install_platform_hooks() {
    kyotu1::msg_box = show_message_box;
    kyotu1::system_date = local_date;
}

std::int16_t show_message_box(const std::string& text, std::int16_t style, const std::string& title) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QString::fromStdString(title.empty() ? kyotu1::app_title : title));
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromStdString(text));
    box.setIcon(icon_for(style));
    const std::vector<Button>& buttons = buttons_for(style);
    for (const Button button : buttons) box.addButton(button);
    const auto default_index = static_cast<std::size_t>((style >> 8) & 3);
    box.setDefaultButton(buttons[default_index < buttons.size() ? default_index : 0]);
    box.exec();
    return answer_for(box.standardButton(box.clickedButton())).code;
}

kyotu1::ClockDate local_date() {
    const QDate today = QDate::currentDate();
    // QDate has no year 0; a clock set there reads as before every supported year.
    if (!today.isValid()) return {0, 1, 1};
    return {today.year(), static_cast<std::int16_t>(today.month()), static_cast<std::int16_t>(today.day())};
}

QColor colour_from_bgr(std::uint32_t bgr) {
    return {static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF), static_cast<int>((bgr >> 16) & 0xFF)};
}

void end_program() { QCoreApplication::quit(); }

}  // namespace korinde
