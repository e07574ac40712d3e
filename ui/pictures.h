// The window icon and the help picture, drawn pixel by pixel in pictures/.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace korinde {

QIcon window_icon();     // 32 x 32 and 16 x 16
QPixmap help_picture();  // 30 x 10

}  // namespace korinde
