#include "basic/translation.h"

#include <QCoreApplication>
#include <vector>

std::string Tr(const char* context, const char* text) {
    return QCoreApplication::translate(context, text).toStdString();
}

// One pass over the text, so that an argument holding "%2" stays as it is.
std::string Filled(const std::string& text, std::initializer_list<std::string> args) {
    const std::vector<std::string> values(args);
    std::string filled;
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t number = i + 1 < text.size() ? static_cast<size_t>(text[i + 1] - '0') : 0;
        if (text[i] == '%' && number >= 1 && number <= values.size() && number <= 9) {
            filled += values[number - 1];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}
