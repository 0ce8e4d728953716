#pragma once

// How many device pixels make one pixel of what a painter draws on. Painting
// asks the painter, not the widget: a grab, a render into an image or a
// screen of another density may each have their own ratio.

#include <QtGlobal>

class QPainter;

// The ratio of the surface the painter really draws on (1 for none).
qreal DevicePixelRatio(const QPainter& painter);

// The artwork scale for that ratio: 1, or 2 above 1 (the program's bitmaps
// are drawn at 1x and 2x; a denser screen enlarges the 2x drawing).
int ArtworkScale(qreal ratio);
