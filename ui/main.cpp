#include <QApplication>

#include "ui/platform.h"
#include "ui/wincal.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    korinde::prepare_application();
    korinde::install_platform_hooks();
    wincal window;
    window.show();
    return QApplication::exec();
}
