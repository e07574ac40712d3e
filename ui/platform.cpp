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

#include "ui/fonts.h"

namespace korinde {
namespace {

using Button = QMessageBox::StandardButton;

// The button sets of the low three bits of a button-and-icon value, in the
// order the default-button bits count them.
const std::array<std::vector<Button>, 6> button_sets = {{
    {QMessageBox::Ok},
    {QMessageBox::Ok, QMessageBox::Cancel},
    {QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore},
    {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel},
    {QMessageBox::Yes, QMessageBox::No},
    {QMessageBox::Retry, QMessageBox::Cancel},
}};

// Each button's answer code.
struct Answer {
    Button button;
    std::int16_t code;
};
constexpr std::array<Answer, 7> answers = {{
    {QMessageBox::Ok, 1},
    {QMessageBox::Cancel, 2},
    {QMessageBox::Abort, 3},
    {QMessageBox::Retry, 4},
    {QMessageBox::Ignore, 5},
    {QMessageBox::Yes, 6},
    {QMessageBox::No, 7},
}};

const Answer& answer_for(Button button) {
    const auto* const found = std::ranges::find(answers, button, &Answer::button);
    return found != answers.end() ? *found : answers.front();
}

QMessageBox::Icon icon_for(std::int16_t style) {
    switch (style & 0x70) {
        case 16: return QMessageBox::Critical;
        case 32: return QMessageBox::Question;
        case 48: return QMessageBox::Warning;
        case 64: return QMessageBox::Information;
        default: return QMessageBox::NoIcon;
    }
}

const std::vector<Button>& buttons_for(std::int16_t style) {
    const auto set = static_cast<std::size_t>(style & 7);
    return set < button_sets.size() ? button_sets[set] : button_sets[0];
}

}  // namespace

void prepare_application() {
    QApplication::setApplicationName("Korinde");
    QApplication::setApplicationVersion(KORINDE_VERSION);
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
