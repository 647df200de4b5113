// A scratch path of the running test's own. ctest runs tests side by side
// (and CI may run two checkouts at once), so a shared fixed name races.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace testing_support {

inline std::filesystem::path TempPathForThisTest(const std::string& tag) {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "snatchkin_" + tag + "_" + std::to_string(::getpid());
    if (test) name += std::string("_") + test->test_suite_name() + "_" + test->name();
    return std::filesystem::temp_directory_path() / name;
}

}  // namespace testing_support
