#pragma once

#include "controls/platform/colorref.h"
#include "controls/platform/trect.h"

class QPainter;

// Draws `width` one-pixel rings just inside r, each with its left and top
// edges in topColor and its right and bottom edges in bottomColor (the
// bottom-left corner pixel takes topColor, the top-right one bottomColor),
// and returns r shrunk by width on every side.
void Frame3D(QPainter& painter, TRect& r, TColor topColor, TColor bottomColor, int width);
