#include "exchange/filenames.h"

namespace {

// Position of the extension's dot, npos when the name has none.
size_t ExtensionDot(const std::string& name) {
    const size_t at = name.find_last_of(".\\/:");
    return at != std::string::npos && name[at] == '.' ? at : std::string::npos;
}

}  // namespace

std::string FileExtension(const std::string& name) {
    const size_t dot = ExtensionDot(name);
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string WithoutExtension(const std::string& name) {
    return name.substr(0, ExtensionDot(name));
}
