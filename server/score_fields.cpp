// Field checks for score requests.
#include "server/score_fields.h"

#include <array>
#include <charconv>

namespace server {

namespace {

constexpr std::array<std::string_view, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<int, 12> kDaysInMonth = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int kMinYear = 2000;
constexpr int kMaxYear = 2999;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysIn(int monthIndex, int year) {
    return kDaysInMonth[monthIndex] + (monthIndex == 1 && IsLeapYear(year) ? 1 : 0);
}

}  // namespace

bool IsValidPlayerName(std::string_view name) {
    if (name.empty() || name.size() > 10) return false;
    bool anyVisible = false;
    for (char c : name) {
        const bool letterOrDigit = (c >= 'a' && c <= 'z') || IsDigit(c);
        if (!letterOrDigit && c != ' ') return false;
        anyVisible = anyVisible || letterOrDigit;
    }
    return anyVisible;
}

std::optional<int> ParseNumberInRange(std::string_view text, int low, int high) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    for (char c : text)
        if (!IsDigit(c)) return std::nullopt;
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    if (value < low || value > high) return std::nullopt;
    return value;
}

bool IsValidScoreDate(std::string_view date) {
    if (date.size() != 11 || date[2] != ' ' || date[6] != ' ') return false;
    const auto day = ParseNumberInRange(date.substr(0, 2), 1, 31);
    const auto year = ParseNumberInRange(date.substr(7, 4), kMinYear, kMaxYear);
    if (!day || !year) return false;
    for (std::size_t m = 0; m < kMonths.size(); ++m)
        if (date.substr(3, 3) == kMonths[m]) return *day <= DaysIn(static_cast<int>(m), *year);
    return false;
}

bool IsValidGameVersion(std::string_view version) {
    int parts = 0;
    while (true) {
        const std::size_t dot = version.find('.');
        const std::string_view part = version.substr(0, dot);
        if (++parts > 4 || !ParseNumberInRange(part, 0, 999) || part.size() > 3) return false;
        if (dot == std::string_view::npos) return true;
        version.remove_prefix(dot + 1);
    }
}

bool IsValidPlatform(std::string_view platform) { return platform == "windows" || platform == "linux"; }

}  // namespace server
