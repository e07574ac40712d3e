// The floor of the start-up figures: an empty Qt 6 window of the calendar's
// size. What Korinde takes beyond it is Korinde's own.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(129, 180);
    window.show();
    return QApplication::exec();
}
