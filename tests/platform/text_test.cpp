// Text helpers.
#include "platform/text.h"

#include <gtest/gtest.h>

namespace {

struct MidCase {
    const char* text;
    int position, length;
    const char* expected;
};

TEST(Text, TextMid) {
    const MidCase cases[] = {
        {"abcdef", 1, 3, "abc"}, {"abcdef", 4, 10, "def"}, {"abcdef", 7, 1, ""}, {"abcdef", 3, -1, "cdef"},
        {"abcdef", 0, 3, "ab"},  {"abcdef", -5, 3, ""},    {"abcdef", 2, 0, ""}, {"", 1, 1, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(platform::TextMid(c.text, c.position, c.length), c.expected)
            << "TextMid(\"" << c.text << "\", " << c.position << ", " << c.length << ")";
}

TEST(Text, TextLeftAndRight) {
    EXPECT_EQ(platform::TextLeft("abc", 2), "ab");
    EXPECT_EQ(platform::TextLeft("abc", 9), "abc");
    EXPECT_EQ(platform::TextLeft("abc", -1), "");
    EXPECT_EQ(platform::TextRight("abc", 2), "bc");
    EXPECT_EQ(platform::TextRight("250", 6), "   250");
    EXPECT_EQ(platform::TextRight("250", 3), "250");
    EXPECT_EQ(platform::TextRight("250", 0), "");
}

TEST(Text, TextFindAndReplace) {
    EXPECT_EQ(platform::TextFind("a-b-c", "-", 0), 1);
    EXPECT_EQ(platform::TextFind("a-b-c", "-", 2), 3);
    EXPECT_EQ(platform::TextFind("a-b-c", "-", 4), -1);
    EXPECT_EQ(platform::TextFind("abc", "x", 0), -1);
    EXPECT_EQ(platform::TextFind("abc", "a", 9), -1);
    EXPECT_EQ(platform::TextReplace("a b  c", " ", "_"), "a_b__c");
    EXPECT_EQ(platform::TextReplace("aaa", "aa", "b"), "ba");
    EXPECT_EQ(platform::TextReplace("abc", "", "x"), "abc");
}

TEST(Text, CaseNumbersAndCharacters) {
    EXPECT_EQ(platform::TextUpper("Santa 2!"), "SANTA 2!");
    EXPECT_EQ(platform::TextLower("PLAYER1"), "player1");
    EXPECT_EQ(platform::IntText(-42), "-42");
    EXPECT_EQ(platform::IntText(0), "0");
    EXPECT_EQ(platform::CharText(65), "A");
    EXPECT_EQ(platform::CharText(0x141), "A");  // the low byte
}

TEST(Text, DateTextAndFileBaseName) {
    EXPECT_EQ(platform::DateText(9, 12, 2026), "09 Dec 2026");
    EXPECT_EQ(platform::DateText(31, 1, 1999), "31 Jan 1999");
    EXPECT_EQ(platform::FileBaseName("snd\\DeadSND.ogg"), "DeadSND");
    EXPECT_EQ(platform::FileBaseName("a/b\\c.d.png"), "c.d");
    EXPECT_EQ(platform::FileBaseName("plain"), "plain");
}

}  // namespace
