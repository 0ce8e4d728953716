#include "basic/activationtoken.h"

#include <QByteArray>
#include <algorithm>
#include <charconv>
#include <string_view>

namespace {

std::string Usable(const QByteArray& value) {
    std::string token = value.toStdString();
    return TActivationToken::IsUsable(token) ? token : std::string();
}

}  // namespace

TActivationToken TActivationToken::FromEnvironment() {
    return {Usable(qgetenv("DESKTOP_STARTUP_ID")), Usable(qgetenv("XDG_ACTIVATION_TOKEN"))};
}

bool TActivationToken::IsUsable(const std::string& token) {
    return !token.empty() && token.size() <= kMostBytes &&
           std::all_of(token.begin(), token.end(),
                       [](char c) { return c > ' ' && c <= '~' && c != '"' && c != '\\'; });
}

std::optional<uint32_t> TActivationToken::StartupTime() const {
    static constexpr std::string_view kTimeMark = "_TIME";
    const size_t mark = startupId.rfind(kTimeMark);
    if (mark == std::string::npos) return std::nullopt;
    const char* digits = startupId.data() + mark + kTimeMark.size();
    const char* end = startupId.data() + startupId.size();
    uint32_t time = 0;
    const auto [stop, error] = std::from_chars(digits, end, time);
    if (digits == end || stop != end || error != std::errc()) return std::nullopt;
    return time;
}
