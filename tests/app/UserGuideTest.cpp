// The user guide shipped with the program: every page it links to and every picture it
// shows must be part of the guide, and every section its contents list names must exist.
#include <gtest/gtest.h>

#include "tests/support/FileText.h"

#include <filesystem>
#include <regex>
#include <set>
#include <string>

namespace {

const std::filesystem::path kGuide = std::filesystem::path(TARVEX_SOURCE_DIR) / "docs/userguide";

TEST(UserGuideTest, LinksAndPicturesResolve) {
    const std::string page = tarvex::test::readFileText(kGuide / "index.html");
    ASSERT_FALSE(page.empty());
    std::set<std::string> anchors;
    const std::regex id(R"re(id="([^"]+)")re");
    for (auto it = std::sregex_iterator(page.begin(), page.end(), id); it != std::sregex_iterator();
         ++it)
        anchors.insert((*it)[1]);

    const std::regex reference(R"re((?:href|src)="([^"]+)")re");
    int local = 0;
    for (auto it = std::sregex_iterator(page.begin(), page.end(), reference);
         it != std::sregex_iterator(); ++it) {
        const std::string target = (*it)[1];
        if (target.rfind("http", 0) == 0) continue;
        ++local;
        if (target[0] == '#')
            EXPECT_TRUE(anchors.count(target.substr(1))) << "no section " << target;
        else
            EXPECT_TRUE(std::filesystem::exists(kGuide / target)) << "missing " << target;
    }
    EXPECT_GT(local, 0);
}

} // namespace
