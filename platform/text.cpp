// Text helpers on byte strings.
#include "platform/text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>

namespace platform {

std::string TextMid(std::string_view text, int position, int length) {
    long long size = static_cast<long long>(text.size());
    long long first = position - 1;
    if (first >= size) return {};
    long long last = length < 0 ? size : first + length;  // one past the end
    first = std::max(first, 0LL);
    last = std::min(last, size);
    if (last <= first) return {};
    return std::string(text.substr(static_cast<std::size_t>(first), static_cast<std::size_t>(last - first)));
}

std::string TextLeft(std::string_view text, int n) {
    if (n <= 0) return {};
    return std::string(text.substr(0, static_cast<std::size_t>(n)));
}

std::string TextRight(std::string_view text, int n) {
    if (n <= 0) return {};
    auto count = static_cast<std::size_t>(n);
    if (count >= text.size()) return std::string(count - text.size(), ' ') + std::string(text);
    return std::string(text.substr(text.size() - count));
}

int TextFind(std::string_view text, std::string_view part, int start) {
    auto from = static_cast<std::size_t>(std::max(start, 0));
    if (from > text.size()) return -1;
    auto at = text.find(part, from);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

std::string TextReplace(std::string_view text, std::string_view part, std::string_view replacement) {
    if (part.empty()) return std::string(text);
    std::string out;
    std::size_t from = 0;
    for (auto at = text.find(part); at != std::string_view::npos; at = text.find(part, from)) {
        out.append(text.substr(from, at - from)).append(replacement);
        from = at + part.size();
    }
    return out.append(text.substr(from));
}

namespace {

template <typename Change>
std::string MapBytes(std::string_view text, Change change) {
    std::string out(text);
    for (char& c : out) {
        auto byte = static_cast<unsigned char>(c);
        if (byte < 128) c = static_cast<char>(change(byte));
    }
    return out;
}

}  // namespace

std::string TextUpper(std::string_view text) {
    return MapBytes(text, [](int c) { return std::toupper(c); });
}

std::string TextLower(std::string_view text) {
    return MapBytes(text, [](int c) { return std::tolower(c); });
}

std::string IntText(int value) { return std::to_string(value); }

std::string CharText(int code) { return std::string(1, static_cast<char>(code & 0xFF)); }

std::string DateText(int day, int month, int year) {
    static constexpr std::array<const char*, 12> kMonths{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char out[32];
    std::snprintf(out, sizeof out, "%02d %s %04d", day,
                  kMonths[static_cast<std::size_t>(std::clamp(month, 1, 12) - 1)], year);
    return out;
}

std::string FileBaseName(std::string_view path) {
    auto slash = path.find_last_of("\\/");
    if (slash != std::string_view::npos) path.remove_prefix(slash + 1);
    auto dot = path.rfind('.');
    if (dot != std::string_view::npos) path = path.substr(0, dot);
    return std::string(path);
}

}  // namespace platform
