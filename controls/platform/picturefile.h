#pragma once

#include <QImage>
#include <string>

// Reads a picture file: JPEG (through libjpeg), BMP, ICO, PNG and the other
// formats Qt reads. Throws PlatformError when the file cannot be read or
// holds no picture this loader knows.
QImage LoadPictureFile(const std::string& path);
