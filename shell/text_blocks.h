// The texts of the text screens, the bottom credit line and the online-sync
// notice, as data.
#pragma once

#include <span>
#include <string_view>

namespace shell {

// One line of a text screen and the colour code it is drawn in.
struct TextLine {
    int colour;
    std::string_view text;
};

// Every block ends with the line "#", which is not drawn.
inline constexpr std::string_view kBlockEnd = "#";

std::span<const TextLine> InstructionsText();
std::span<const TextLine> CreditsText();
std::span<const TextLine> StoryText();

// Lines only, drawn by the online score screen.
std::span<const std::string_view> OnlineSyncNotice();

// The main menu's bottom line; it ends left of the button panel.
inline constexpr std::string_view kCreditLine = "(c)2012 Snatchkin team homepage";

}  // namespace shell
