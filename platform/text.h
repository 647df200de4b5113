// Text helpers. A text is a byte string; each byte is one character (codes
// 0-255), which is all the game's texts and its settings file use.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// The characters from position (counted from 1), at most length of them; all
// the rest when length is negative; empty when position lies beyond the end.
// A position below 1 shortens the result at the front.
std::string TextMid(std::string_view text, int position, int length);

// The first n characters; the whole text when n is larger.
std::string TextLeft(std::string_view text, int n);

// The last n characters; when n is larger, the text right-aligned in n
// characters, padded on the left with spaces.
std::string TextRight(std::string_view text, int n);

// 0-based index of the first occurrence of part at or after start, or -1.
int TextFind(std::string_view text, std::string_view part, int start);

// Every occurrence of part replaced; an empty part changes nothing.
std::string TextReplace(std::string_view text, std::string_view part, std::string_view replacement);

// ASCII letters changed in case.
std::string TextUpper(std::string_view text);
std::string TextLower(std::string_view text);

// Decimal digits, with a leading "-" for negatives.
std::string IntText(int value);

// A one-character text of the code's low byte.
std::string CharText(int code);

// Today's local date as "09 Dec 2026".
std::string TodayText();

// A date as TodayText writes it; month 1-12.
std::string DateText(int day, int month, int year);

// The name without directory and extension; "\\" and "/" both separate
// directories ("snd\\DeadSND.ogg" gives "DeadSND").
std::string FileBaseName(std::string_view path);

}  // namespace platform
