// The key-name table: first pair wins, unknown codes read "n/a", and the
// scans stop at the first key that answers.
#include "services/key_names.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "services/key_scan.h"

namespace {

TEST(KeyNames, TableHas104PairsEndingWithNa) {
    auto table = services::KeyNameTable();
    ASSERT_EQ(table.size(), 104u);
    EXPECT_EQ(table.back().code, 255);
    EXPECT_EQ(table.back().name, "n/a");
}

TEST(KeyNames, LookupTakesTheFirstPairWithTheCode) {
    struct Case {
        int code;
        std::string_view name;
    };
    const Case cases[] = {
        {13, "Return"},
        {107, "Numpad +"},
        {109, "Numpad -"},
        {37, "Cursor (Left)"},
        {39, "Cursor (Right)"},
        {38, "Cursor (Up)"},
        {40, "Cursor (Down)"},
        {162, "Control (Left)"},
        {191, "Slash"},
        {8, "Backspace"},
        {187, "n/a"},
        {189, "n/a"},
        {0, "n/a"},
        {-1, "n/a"},
        {256, "n/a"},
    };
    for (const Case& c : cases) EXPECT_EQ(services::FindKeyName(c.code).name, c.name) << "code " << c.code;
}

// A fake hit counter: answers and consumes the presses of each key.
struct FakeKeys {
    std::map<int, int> hits;
    std::vector<int> asked;
    int operator()(int code) {
        asked.push_back(code);
        return std::exchange(hits[code], 0);
    }
};

TEST(KeyScan, StopsAtTheFirstHitInTableOrderAndLeavesLaterKeysAlone) {
    FakeKeys keys;
    keys.hits = {{162, 1}, {27, 2}, {255, 1}};
    EXPECT_EQ(services::ScanKeyTable(std::ref(keys)), 27);
    EXPECT_EQ(keys.asked.back(), 27);
    EXPECT_EQ(keys.hits[162], 1) << "a key after the stop keeps its press";
    EXPECT_EQ(services::ScanKeyTable(std::ref(keys)), 162);
    EXPECT_EQ(services::ScanKeyTable(std::ref(keys)), 255) << "the closing pair is queried like the others";
    EXPECT_EQ(services::ScanKeyTable(std::ref(keys)), 0);
    EXPECT_EQ(keys.asked.size(), 7u + 89u + 104u + 104u);
}

TEST(KeyScan, KeysOutsideTheTableAreNeverFound) {
    FakeKeys keys;
    keys.hits = {{187, 1}, {189, 1}, {1, 1}};
    EXPECT_EQ(services::ScanKeyTable(std::ref(keys)), 0);
}

}  // namespace
