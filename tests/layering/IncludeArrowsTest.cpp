// Every #include under src/ against the arrows the folders may follow: the layering is checked.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace ventrel {
namespace {

namespace fs = std::filesystem;

// Which folders each folder of src/ may include, besides itself. Arrows point down only; a new
// folder gets its own row here.
const std::map<std::string, std::set<std::string>> kAllowed = {
    {"math", {}},
    {"platform", {}},
    {"platform/egl", {"platform"}},
    {"platform/pdf", {"platform"}},
    {"platform/qtgui", {"platform", "platform/pdf"}},
    {"image", {"platform", "math"}},
    {"outline", {"platform", "math"}},
    {"chest", {"platform", "math", "outline"}},
    {"scale", {"platform", "math", "outline", "chest"}},
    {"check", {"platform", "math", "outline", "chest"}},
    {"report", {"platform", "math", "outline", "chest", "check", "fabrication"}},
    {"fabrication", {"platform", "math", "outline", "chest"}},
    {"render", {"platform", "math", "image"}},
    {"organ3d", {"platform", "math", "image", "outline", "chest", "fabrication", "render"}},
    {"sceneio", {"platform", "math", "image", "outline", "render"}},
    {"export3d", {"platform", "math", "image", "render"}},
    {"dialogs",
     {"platform", "math", "image", "outline", "chest", "scale", "fabrication", "render", "organ3d",
      "sceneio"}},
    {"app",
     {"platform", "math", "image", "outline", "chest", "scale", "check", "report", "fabrication",
      "render", "organ3d", "sceneio", "export3d", "dialogs"}},
    {"gui",
     {"platform", "platform/qtgui", "math", "image", "outline", "chest", "scale", "check", "report",
      "fabrication", "render", "organ3d", "sceneio", "export3d", "dialogs", "app"}},
    {"cli",
     {"platform", "platform/qtgui", "platform/egl", "math", "image", "outline", "chest", "scale",
      "check", "report", "fabrication", "render", "organ3d", "sceneio", "export3d", "dialogs",
      "app"}},
};

// The folders whose files may include Qt headers.
const std::set<std::string> kQtFolders = {"gui", "platform/qtgui", "cli"};

// "platform/qtgui/X.h" lies in platform/qtgui, "chest/X.h" in chest.
std::string FolderOf(const std::string &relative) {
    const auto slash = relative.find('/');
    if (slash == std::string::npos)
        return "";
    const std::string top = relative.substr(0, slash);
    if (top == "platform") {
        const auto second = relative.find('/', slash + 1);
        if (second != std::string::npos)
            return relative.substr(0, second);
    }
    return top;
}

struct Arrow {
    std::string file;
    int line = 0;
    std::string text;
};

// The includes of src/ that break the table, with the folders that have no row.
std::vector<Arrow> WrongArrows(const fs::path &src, std::set<std::string> &unknownFolders) {
    static const std::regex quoted(R"(^\s*#\s*include\s*"([^"]+)\")");
    static const std::regex qt(R"(^\s*#\s*include\s*<(Qt\w*/)?Q\w+>)");
    std::vector<Arrow> wrong;
    for (const auto &entry : fs::recursive_directory_iterator(src)) {
        const auto ext = entry.path().extension();
        if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp"))
            continue;
        const std::string relative = entry.path().lexically_relative(src).generic_string();
        const std::string folder = FolderOf(relative);
        const auto row = kAllowed.find(folder);
        if (row == kAllowed.end()) {
            unknownFolders.insert(folder);
            continue;
        }
        std::ifstream in(entry.path());
        std::string text;
        for (int number = 1; std::getline(in, text); ++number) {
            std::smatch match;
            if (std::regex_search(text, match, quoted)) {
                const std::string target = FolderOf(match[1].str());
                if (!target.empty() && target != folder && !row->second.contains(target))
                    wrong.push_back({relative, number, text});
            } else if (std::regex_search(text, qt) && !kQtFolders.contains(folder)) {
                wrong.push_back({relative, number, text});
            }
        }
    }
    return wrong;
}

TEST(IncludeArrows, EveryIncludeUnderSrcFollowsTheTable) {
    const fs::path src = fs::path(VENTREL_SOURCE_DIR) / "src";
    ASSERT_TRUE(fs::is_directory(src));
    std::set<std::string> unknown;
    const std::vector<Arrow> wrong = WrongArrows(src, unknown);
    for (const Arrow &arrow : wrong)
        ADD_FAILURE() << "src/" << arrow.file << ":" << arrow.line << ": " << arrow.text;
    for (const std::string &folder : unknown)
        ADD_FAILURE() << "src/" << folder
                      << " has no row in the table of tests/layering/IncludeArrowsTest.cpp";
}

TEST(IncludeArrows, FoldersAreReadFromTheIncludePath) {
    EXPECT_EQ(FolderOf("chest/CWindchest.h"), "chest");
    EXPECT_EQ(FolderOf("platform/qtgui/PictureFile.h"), "platform/qtgui");
    EXPECT_EQ(FolderOf("platform/Ui.h"), "platform");
    EXPECT_EQ(FolderOf("Commands.h"), "");
}

} // namespace
} // namespace ventrel
