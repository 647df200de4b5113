// The folders stack one way: each includes only the folders below it, and no
// two folders reach each other through their includes.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/shell/source_includes.h"

namespace {

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

// Every `#include "..."` from one top-level folder of the tree into another;
// `folders` gets every top-level folder that holds source files.
std::vector<Include> FolderIncludes(std::set<std::string>& folders) {
    int files = 0;
    std::vector<Include> found;
    for (const auto& inc : testing_support::IncludesOfTree(SNATCHKIN_SOURCE_DIR, files)) {
        const auto slash = inc.file.find('/');
        if (slash == std::string::npos) continue;  // a file at the top of the tree
        const std::string from = inc.file.substr(0, slash);
        folders.insert(from);
        // A bare file name lies beside the including file; <...> is a library's.
        if (inc.angled || inc.target.find('/') == std::string::npos) continue;
        const std::string to = inc.target.substr(0, inc.target.find('/'));
        if (to != from) found.push_back({inc.file + ":" + std::to_string(inc.line), from, to});
    }
    return found;
}

class FolderLayers : public ::testing::Test {
protected:
    void SetUp() override { includes_ = FolderIncludes(folders_); }

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
