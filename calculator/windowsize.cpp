#include "calculator/windowsize.h"

#include <algorithm>
#include <charconv>

namespace {

// A positive whole number of at most five digits, and nothing else.
std::optional<int> Dimension(std::string_view text) {
    int value = 0;
    if (text.empty() || text.size() > 5) return std::nullopt;
    const auto read = std::from_chars(text.data(), text.data() + text.size(), value);
    if (read.ec != std::errc() || read.ptr != text.data() + text.size() || value <= 0)
        return std::nullopt;
    return value;
}

}  // namespace

std::optional<QSize> WindowSizeFromText(const std::string& text) {
    const size_t x = text.find('x');
    if (x == std::string::npos) return std::nullopt;
    const std::optional<int> width = Dimension(std::string_view(text).substr(0, x));
    const std::optional<int> height = Dimension(std::string_view(text).substr(x + 1));
    if (!width || !height) return std::nullopt;
    return QSize(*width, *height);
}

std::string WindowSizeText(QSize size) {
    return std::to_string(size.width()) + "x" + std::to_string(size.height());
}

QSize FittedWindowSize(QSize stored, QSize smallest, QSize available) {
    const QSize largest = available.expandedTo(smallest);
    return stored.boundedTo(largest).expandedTo(smallest);
}
