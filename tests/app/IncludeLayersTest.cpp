// The folders' include arrows point downward only: the catalogue stands on
// nothing of the game's own, the text tables only on the catalogue, the engine
// only on itself. Read from the source tree, so an upward include fails here
// rather than in a review.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace {
// Every include of a game header ("folder/File.h") in the files of folder
// whose folder is not in allowed, as "file: line".
std::vector<std::string> includesOutside(const std::string& folder, const std::set<std::string>& allowed) {
    std::vector<std::string> found;
    const std::filesystem::path root = std::filesystem::path(QV_SOURCE_DIR) / folder;
    for (const auto& entry : std::filesystem::directory_iterator(root)) {
        std::ifstream file(entry.path());
        std::string line;
        while (std::getline(file, line)) {
            const std::string prefix = "#include \"";
            const size_t slash = line.find('/');
            if (line.compare(0, prefix.size(), prefix) != 0 || slash == std::string::npos) continue;
            if (allowed.count(line.substr(prefix.size(), slash - prefix.size())) == 0) {
                found.push_back(entry.path().filename().string() + ": " + line);
            }
        }
    }
    return found;
}
}  // namespace

TEST(IncludeLayers, TheLowestFoldersIncludeNothingAboveThem) {
    EXPECT_EQ(std::vector<std::string>(), includesOutside("catalog", {"catalog"}));
    EXPECT_EQ(std::vector<std::string>(), includesOutside("text", {"text", "catalog"}));
    EXPECT_EQ(std::vector<std::string>(), includesOutside("engine", {"engine"}));
}

TEST(IncludeLayers, AFileIncludingUpwardIsNamed) {
    // The check itself sees an include that leaves the allowed folders.
    const std::vector<std::string> text = includesOutside("text", {"text"});
    EXPECT_FALSE(text.empty());
    for (const std::string& line : text) EXPECT_NE(std::string::npos, line.find("catalog/"));
}
