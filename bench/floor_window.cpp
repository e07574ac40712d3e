// The floor of the start-up figures: a Qt 6 window of the calendar's size
// that draws one label of the month's Japanese text in the window's own
// face. No Qt Widgets window that shows Japanese can map sooner; what
// Korinde takes beyond it is Korinde's own.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include "ui/fonts.h"
#include "ui/layout.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QFont::insertSubstitution(QString::fromUtf8(korinde::fonts::proportional_gothic), "IPAPGothic");
    QWidget window;
    window.setFixedSize(korinde::layout::client_area);
    QLabel label(
        QString::fromUtf8("2026年12月　日 月 火 水 木 金 土　1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 "
                          "21 22 23 24 25 26 27 28 29 30 31　前月 翌月 HP"));
    QFont font(QString::fromUtf8(korinde::fonts::proportional_gothic));
    font.setPixelSize(korinde::layout::font_9pt);
    label.setFont(font);
    label.setWordWrap(true);
    QVBoxLayout layout(&window);
    layout.addWidget(&label);
    window.show();
    return QApplication::exec();
}
