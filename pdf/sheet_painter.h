// Draws a laid-out sheet (view/sheet.h) with a QPainter, on any paint device
// whose size is the sheet's A4 landscape page.
#pragma once

#include <QPainter>

#include "view/sheet.h"

namespace korinde {

void paint_sheet(QPainter& painter, const kyotu1::sheet::Page& page);

}  // namespace korinde
