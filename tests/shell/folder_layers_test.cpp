// The folders stack one way: each includes only the folders below it, and no
// two folders reach each other through their includes.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Which folders each folder may include (besides itself); "*" for any.
struct Layer {
    const char* folder;
    std::set<std::string> mayInclude;
};

const Layer kLayers[] = {
    {"assets", {}},
    {"platform", {"assets"}},
    {"services", {"platform", "assets"}},
    {"world", {"services", "platform", "assets"}},
    {"actors", {"world", "services", "platform", "assets"}},
    {"shell", {"actors", "world", "services", "platform", "assets"}},
    {"generators", {"shell", "actors", "world", "services", "platform", "assets"}},
    {"server", {"*"}},
    {"tools", {"*"}},
    {"tests", {"*"}},
};

const Layer* LayerOf(const std::string& folder) {
    for (const Layer& layer : kLayers)
        if (folder == layer.folder) return &layer;
    return nullptr;
}

struct Include {
    std::string where;  // file:line
    std::string from, to;
};

bool IsSource(const fs::path& path) {
    auto ext = path.extension();
    return ext == ".h" || ext == ".cpp" || ext == ".hpp" || ext == ".cc";
}

// Every `#include "..."` between two top-level folders of the source tree.
std::vector<Include> FolderIncludes(const fs::path& root, std::set<std::string>& folders) {
    const std::regex include(R"re(^\s*#\s*include\s*"([^"]+)")re");
    std::vector<Include> found;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
        const fs::path rel = fs::relative(it->path(), root);
        const std::string first = rel.begin()->string();
        if (it->is_directory() && (first.starts_with("build") || first.starts_with("."))) {
            it.disable_recursion_pending();
            continue;
        }
        if (!it->is_regular_file() || !IsSource(it->path()) || rel.parent_path().empty()) continue;
        folders.insert(first);
        std::ifstream in(it->path());
        int number = 0;
        for (std::string line; std::getline(in, line);) {
            ++number;
            std::smatch m;
            if (!std::regex_search(line, m, include)) continue;
            const std::string target = m[1].str();
            // A bare file name lies beside the including file.
            if (target.find('/') == std::string::npos) continue;
            const std::string to = target.substr(0, target.find('/'));
            if (to != first)
                found.push_back({rel.generic_string() + ":" + std::to_string(number), first, to});
        }
    }
    return found;
}

class FolderLayers : public ::testing::Test {
protected:
    void SetUp() override { includes_ = FolderIncludes(SNATCHKIN_SOURCE_DIR, folders_); }

    std::set<std::string> folders_;
    std::vector<Include> includes_;
};

TEST_F(FolderLayers, EveryFolderHasARowInTheTable) {
    EXPECT_GT(folders_.size(), 5u) << "the source tree was not found at " << SNATCHKIN_SOURCE_DIR;
    for (const std::string& folder : folders_)
        EXPECT_NE(LayerOf(folder), nullptr) << "folder " << folder << "/ has no row in the layer table";
}

TEST_F(FolderLayers, EachFolderIncludesOnlyTheFoldersBelowIt) {
    for (const Include& inc : includes_) {
        const Layer* layer = LayerOf(inc.from);
        if (!layer || layer->mayInclude.count("*")) continue;
        EXPECT_TRUE(layer->mayInclude.count(inc.to))
            << inc.where << ": " << inc.from << "/ includes " << inc.to << "/, which it may not";
    }
}

TEST_F(FolderLayers, NoTwoFoldersReachEachOther) {
    std::map<std::string, std::set<std::string>> reach;
    std::map<std::pair<std::string, std::string>, std::string> example;
    for (const Include& inc : includes_) {
        reach[inc.from].insert(inc.to);
        example.emplace(std::pair{inc.from, inc.to}, inc.where);
    }
    // Closes the relation: whatever a reached folder reaches is reached too.
    for (bool grew = true; grew;) {
        grew = false;
        for (auto& [from, reached] : reach) {
            std::set<std::string> more = reached;
            for (const std::string& via : reached) more.insert(reach[via].begin(), reach[via].end());
            grew = grew || more.size() != reached.size();
            reached = std::move(more);
        }
    }
    for (const auto& [a, reached] : reach)
        for (const std::string& b : reached)
            if (a < b && reach[b].count(a)) {
                auto ab = example.find({a, b}), ba = example.find({b, a});
                ADD_FAILURE() << a << "/ and " << b << "/ reach each other"
                              << (ab != example.end() ? "; " + ab->second + " includes " + b + "/" : "")
                              << (ba != example.end() ? "; " + ba->second + " includes " + a + "/" : "");
            }
}

}  // namespace
