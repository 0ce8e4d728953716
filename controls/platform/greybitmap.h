#pragma once

class QImage;

// Turns the image grey in place: it becomes 24 bits per pixel and each pixel
// gets the integer mean (red + green + blue) / 3 in all three channels.
void GreyBitmap(QImage& image);
