// The window icon and the help picture, drawn pixel by pixel in pictures/.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace korinde {

// 32 x 32 and 16 x 16, each also doubled for screens at twice the density.
QIcon window_icon();

// 30 x 10 logical pixels; for a device pixel ratio above 1 each pixel is
// drawn as a square of whole device pixels, never smoothed.
QPixmap help_picture(qreal device_pixel_ratio = 1.0);

// The picture's pixels enlarged by a whole factor without smoothing.
QPixmap enlarged(const QPixmap& picture, int factor);

}  // namespace korinde
