#include "ui/pictures.h"

#include <cmath>

#include "ui/pictures/calendar_16.xpm"
#include "ui/pictures/calendar_32.xpm"
#include "ui/pictures/help.xpm"

namespace korinde {

QPixmap enlarged(const QPixmap& picture, int factor) {
    QPixmap result = picture.scaled(picture.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    result.setDevicePixelRatio(factor);
    return result;
}

QIcon window_icon() {
    QIcon icon;
    for (const QPixmap& picture : {QPixmap(calendar_32), QPixmap(calendar_16)}) {
        icon.addPixmap(picture);
        icon.addPixmap(enlarged(picture, 2));
    }
    return icon;
}

QPixmap help_picture(qreal device_pixel_ratio) {
    const QPixmap picture(help_picture_xpm);
    const int factor = static_cast<int>(std::ceil(device_pixel_ratio));
    return factor > 1 ? enlarged(picture, factor) : picture;
}

}  // namespace korinde
