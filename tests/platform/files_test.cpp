// Byte files: little-endian integers and text lines.
#include "platform/files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/temp_path.h"

namespace {

class FilesTest : public ::testing::Test {
protected:
    std::string path = testing_support::TempPathForThisTest("files").string();
    void TearDown() override { std::filesystem::remove(path); }

    void WriteBytes(std::string_view bytes) { std::ofstream(path, std::ios::binary) << bytes; }
    std::string ReadBytes() {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
};

TEST_F(FilesTest, ReadTextLineDropsCarriageReturnsAndEndsEmpty) {
    WriteBytes("abc\r\ndef");
    auto file = platform::OpenReadFile(path);
    ASSERT_TRUE(file);
    EXPECT_EQ(platform::ReadTextLine(*file), "abc");
    EXPECT_EQ(platform::ReadTextLine(*file), "def");
    EXPECT_EQ(platform::ReadTextLine(*file), "");
}

TEST_F(FilesTest, ReadTextLineStopsAtZeroByteAndKeepsHighBytes) {
    WriteBytes(std::string("a\xE9\0b\n", 5));
    auto file = platform::OpenReadFile(path);
    ASSERT_TRUE(file);
    EXPECT_EQ(platform::ReadTextLine(*file), "a\xE9");
    EXPECT_EQ(platform::ReadTextLine(*file), "b");
}

TEST_F(FilesTest, Int32IsLittleEndianSignedAndShortReadsFail) {
    {
        auto file = platform::OpenWriteFile(path);
        ASSERT_TRUE(file);
        EXPECT_TRUE(platform::WriteInt32(*file, -2));
        EXPECT_TRUE(platform::WriteInt32(*file, 0x01020304));
        EXPECT_TRUE(platform::WriteTextLine(*file, "Santa"));
        EXPECT_TRUE(platform::CloseFile(*file));
    }
    EXPECT_EQ(ReadBytes(), std::string("\xFE\xFF\xFF\xFF\x04\x03\x02\x01Santa\r\n", 15));
    auto file = platform::OpenReadFile(path);
    ASSERT_TRUE(file);
    EXPECT_EQ(platform::ReadInt32(*file), -2);
    EXPECT_EQ(platform::ReadInt32(*file), 0x01020304);
    EXPECT_EQ(platform::ReadTextLine(*file), "Santa");
    EXPECT_EQ(platform::ReadInt32(*file), std::nullopt);

    WriteBytes("\x01\x02\x03");
    auto shortFile = platform::OpenReadFile(path);
    ASSERT_TRUE(shortFile);
    EXPECT_EQ(platform::ReadInt32(*shortFile), std::nullopt);
}

// Writes are buffered, so a full disk shows when the file is closed; a
// closed file takes no more writes.
TEST_F(FilesTest, WritesThatFailAreReported) {
    auto full = platform::OpenWriteFile("/dev/full");
    ASSERT_TRUE(full);
    EXPECT_TRUE(platform::WriteInt32(*full, 7));
    EXPECT_TRUE(platform::WriteTextLine(*full, "Santa"));
    EXPECT_FALSE(platform::CloseFile(*full));
    EXPECT_FALSE(platform::WriteInt32(*full, 7));
    EXPECT_FALSE(platform::WriteTextLine(*full, "Santa"));
    EXPECT_FALSE(platform::CloseFile(*full));
}

TEST_F(FilesTest, MissingFileOpensAsNothing) {
    EXPECT_FALSE(platform::OpenReadFile(path + ".missing"));
    EXPECT_FALSE(platform::OpenWriteFile("/nonexistent-dir/x"));
}

}  // namespace
