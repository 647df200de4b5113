// The text blocks: closed by "#", drawable with the game's font, and inside
// the screen from the column they are drawn at.
#include "shell/text_blocks.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

namespace {

constexpr std::string_view kFontSet =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz?!-,.:;'()<>/+@{} ";

struct Block {
    std::string_view name;
    std::span<const shell::TextLine> lines;
    int leftX;  // where the screen draws it; lines are 16 pixels a character
};

std::vector<Block> Blocks() {
    return {{"instructions", shell::InstructionsText(), 544},
            {"credits", shell::CreditsText(), 544},
            {"story", shell::StoryText(), 448}};
}

TEST(TextBlocks, EndWithTheMarkAndHaveNoEarlierOne) {
    for (const Block& b : Blocks()) {
        ASSERT_FALSE(b.lines.empty()) << b.name;
        EXPECT_EQ(b.lines.back().text, shell::kBlockEnd) << b.name;
        for (std::size_t i = 0; i + 1 < b.lines.size(); ++i) EXPECT_NE(b.lines[i].text, "#") << b.name << i;
    }
    auto notice = shell::OnlineSyncNotice();
    EXPECT_EQ(notice.size(), 13u);
    EXPECT_EQ(notice.back(), "#");
}

TEST(TextBlocks, UseOnlyFontCharactersAndFitTheScreen) {
    for (const Block& b : Blocks()) {
        for (const auto& line : b.lines.first(b.lines.size() - 1)) {
            EXPECT_EQ(line.text.find_first_not_of(kFontSet), std::string_view::npos)
                << b.name << ": " << line.text;
            EXPECT_LE(b.leftX + 16 * static_cast<int>(line.text.size()), 1024) << b.name << ": " << line.text;
        }
    }
    EXPECT_EQ(shell::kCreditLine.find_first_not_of(kFontSet), std::string_view::npos);
    // At x 90, a 16-pixel glyph every 15 pixels: the last one must end before
    // the button panel's frame at x 568.
    EXPECT_LE(90 + 15 * (static_cast<int>(shell::kCreditLine.size()) - 1) + 16, 568);
}

TEST(TextBlocks, CreditsFollowTheirLayout) {
    auto credits = shell::CreditsText();
    ASSERT_EQ(credits.size(), 20u);
    const int codes[] = {0, 1, 2, 0, 0, 1, 2, 2, 0, 0, 3, 3, 0, 1, 1, 0, 0, 0, 0, 0};
    const std::vector<int> blankLines = {4, 5, 9, 10, 13, 16, 17};  // counted from 1
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(credits[i].colour, codes[i]) << "line " << i + 1;
        bool blank = std::find(blankLines.begin(), blankLines.end(), i + 1) != blankLines.end();
        EXPECT_EQ(credits[i].text == " ", blank) << "line " << i + 1 << ": " << credits[i].text;
        EXPECT_LE(credits[i].text.size(), 30u) << "line " << i + 1;
    }
    EXPECT_NE(credits[0].text.find("2012"), std::string_view::npos);
    EXPECT_NE(shell::kCreditLine.find("2012"), std::string_view::npos);
}

}  // namespace
