// Answer lines and the get-scores and version readers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "services/online/answer_lines.h"
#include "services/online/answer_parsers.h"

namespace {

using namespace services::online;

std::vector<std::string> Numbered(std::size_t count) {
    std::vector<std::string> lines;
    for (std::size_t i = 1; i <= count; ++i) lines.push_back("l" + std::to_string(i));
    return lines;
}

TEST(AnswerLines, SplitOnLineFeedDroppingACarriageReturnBeforeIt) {
    struct Case {
        std::string body;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"", {}},
        {"\n", {""}},
        {"a", {"a"}},
        {"a\nb\n", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},
        {"a\n\nb\n", {"a", "", "b"}},
        {"a\rb\r\n\r\n", {"a\rb", ""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitAnswerLines(c.body), c.lines) << ::testing::PrintToString(c.body);
}

TEST(OnlineRows, TwelveRowsFillTenAndFourRowsFour) {
    const auto twelve = ReadOnlineRows(Numbered(36));
    ASSERT_EQ(twelve.size(), 10u);
    EXPECT_EQ(twelve[0].name, "l1");
    EXPECT_EQ(twelve[0].level, "l2");
    EXPECT_EQ(twelve[0].score, "l3");
    EXPECT_EQ(twelve[9].score, "l30");
    EXPECT_EQ(ReadOnlineRows(Numbered(12)).size(), 4u);
}

TEST(OnlineRows, ARowNeedsAllThreeLines) {
    for (std::size_t lines : {0u, 1u, 2u, 3u, 4u, 5u, 13u, 14u})
        EXPECT_EQ(ReadOnlineRows(Numbered(lines)).size(), lines / 3) << lines << " lines";
}

TEST(OnlineRows, TextsStayAsSent) {
    const std::vector<std::string> lines = {"", "0", "05", "a b", "-", "123456789"};
    const auto rows = ReadOnlineRows(lines);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].score, "05");
    EXPECT_EQ(rows[1].score, "123456789");
}

TEST(ProductVersion, LastSnatchkinPairWins) {
    struct Case {
        std::vector<std::string> lines;
        std::string version;
    };
    const Case cases[] = {
        {{}, ""},
        {{"snatchkin", "1.2"}, "1.2"},
        {{"other", "9.9", "snatchkin", "1.1"}, "1.1"},
        {{"snatchkin", "1.2", "other", "3", "snatchkin", "1.3"}, "1.3"},
        {{"snatchkin"}, ""},                         // a key without its version line
        {{"snatchkin", "1.2", "snatchkin"}, "1.2"},  // the last pair is incomplete
        {{"Snatchkin", "1.2"}, ""},
        {{"1.2", "snatchkin"}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindProductVersion(c.lines), c.version) << ::testing::PrintToString(c.lines);
}

TEST(ProductVersion, OnlyTheFirstHundredPairsAreHeld) {
    std::vector<std::string> lines;
    for (int p = 0; p < 100; ++p) lines.insert(lines.end(), {"other", "0"});
    lines.insert(lines.end(), {"snatchkin", "1.2"});
    EXPECT_EQ(FindProductVersion(lines), "");
    lines[198] = "snatchkin";
    lines[199] = "1.5";
    EXPECT_EQ(FindProductVersion(lines), "1.5");
}

}  // namespace
