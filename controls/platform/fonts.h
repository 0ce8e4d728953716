#pragma once

// The forms name Windows fonts by family and point size; FormFont gives the
// installed font that stands in for one (Liberation Sans, then DejaVu Sans,
// for "MS Sans Serif", "Arial" and the other sans-serif faces) at the pixel
// size the form was laid out for (a 96-dpi screen), so text fits the way the
// forms were drawn whatever the screen resolution.

#include <QFont>
#include <string>

QFont FormFont(const std::string& family = "MS Sans Serif", int points = 8, bool bold = false);
