#include "basic/environment.h"

#include <QStandardPaths>
#include <algorithm>
#include <climits>
#include <cstdint>

#include "basic/platformerror.h"
#include "basic/texttools.h"

namespace {

// The shell folders this program knows, by value name (compared without regard
// to case, as folder value names are).
std::string KnownFolder(const std::string& name) {
    if (UpperCaseAscii(name) == "APPDATA")
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
            .toStdString();
    return {};
}

}  // namespace

std::string ShellFolder(const std::string& name) {
    std::string folder = KnownFolder(name);
    if (folder.empty()) throw PlatformError("\"" + name + "\" item not found in registry");
    return folder;
}

int DivRoundUp(int a, int b) {
    if (b == 0) return 0;
    // In 64 bits, so that a - 1 and the quotient cannot overflow.
    const int64_t quotient = (static_cast<int64_t>(a) - 1) / b + 1;
    return static_cast<int>(std::clamp<int64_t>(quotient, INT_MIN, INT_MAX));
}
