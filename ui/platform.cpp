#include "ui/platform.h"

#include <algorithm>
#include <vector>

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

// The buttons of a button-and-icon value's low bits, the first the default,
// with the answer each gives; a box closed otherwise answers as its last
// (No, which Esc presses too).
struct Answer {
    Button button;
    std::int16_t code;
};
const std::vector<Answer> ok_only = {{QMessageBox::Ok, kyotu1::answer_ok}};
const std::vector<Answer> yes_no = {{QMessageBox::Yes, kyotu1::answer_yes}, {QMessageBox::No, kyotu1::answer_no}};

const std::vector<Answer>& answers_for(std::int16_t style) {
    return (style & kyotu1::mb_buttons) == kyotu1::mb_yes_no ? yes_no : ok_only;
}

QMessageBox::Icon icon_for(std::int16_t style) {
    switch (style & kyotu1::mb_icons) {
        case kyotu1::mb_icon_warning: return QMessageBox::Warning;
        case kyotu1::mb_icon_information: return QMessageBox::Information;
        default: return QMessageBox::NoIcon;
    }
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
    const std::vector<Answer>& answers = answers_for(style);
    for (const Answer& answer : answers) box.addButton(answer.button);
    box.setDefaultButton(answers.front().button);
    box.exec();
    const Button clicked = box.standardButton(box.clickedButton());
    const auto found = std::ranges::find(answers, clicked, &Answer::button);
    return (found != answers.end() ? *found : answers.back()).code;
}

kyotu1::ClockDate local_date() {
    const QDate today = QDate::currentDate();
    // QDate has no year 0; a clock set there reads as before every supported year.
    if (!today.isValid()) return {0, 1, 1};
    return {today.year(), static_cast<std::int16_t>(today.month()), static_cast<std::int16_t>(today.day())};
}

QColor colour_from_bgr(kyotu1::BgrColour colour) {
    const std::uint32_t bgr = colour.bgr;
    return {static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF), static_cast<int>((bgr >> 16) & 0xFF)};
}

void end_program() { QCoreApplication::quit(); }

}  // namespace korinde
