#include "ui/pictures.h"

#include "ui/pictures/calendar_16.xpm"
#include "ui/pictures/calendar_32.xpm"
#include "ui/pictures/help.xpm"

namespace korinde {

QIcon window_icon() {
    QIcon icon;
    icon.addPixmap(QPixmap(calendar_32));
    icon.addPixmap(QPixmap(calendar_16));
    return icon;
}

QPixmap help_picture() { return QPixmap(help_picture_xpm); }

}  // namespace korinde
