#pragma once

// The main window's size as the settings file keeps it: the extension line
// `finestra=WIDTHxHEIGHT`, the client area in pixels.

#include <QSize>
#include <optional>
#include <string>

inline constexpr const char* kWindowSizeKey = "finestra";

// Nothing for a text that is not two positive whole numbers joined by "x".
std::optional<QSize> WindowSizeFromText(const std::string& text);
std::string WindowSizeText(QSize size);
// A stored size brought within the smallest size and the room available.
QSize FittedWindowSize(QSize stored, QSize smallest, QSize available);
