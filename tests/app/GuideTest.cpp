// The user guide's command list against the command table: every command has its line, and every
// command the list names is still there.
#include "app/CommandTable.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace ventrel::test {
namespace {

std::string Trimmed(std::string text) {
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

// The part of docs/guide.md between its command-list markers.
std::string CommandList() {
    std::ifstream file(std::string(VENTREL_SOURCE_DIR) + "/docs/guide.md", std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    const std::string guide = text.str();
    const auto begin = guide.find("<!-- command list");
    const auto end = guide.find("<!-- end of command list -->");
    if (begin == std::string::npos || end == std::string::npos || end < begin)
        return {};
    return guide.substr(begin, end - begin);
}

// What the guide calls each command: its menu text, or a toolbar button's tip.
std::string GuideName(const Command &command) {
    if (*command.menuText)
        return Trimmed(PlainText(command.menuText));
    return Trimmed(command.tip);
}

bool Unnamed(const std::string &name) {
    return name.empty() || name == "(no action)";
}

TEST(Guide, EveryCommandHasItsLineInTheCommandList) {
    const std::string list = CommandList();
    ASSERT_FALSE(list.empty()) << "docs/guide.md has no command list between its markers";
    for (const Command &command : Commands()) {
        const std::string name = GuideName(command);
        if (Unnamed(name))
            continue;
        EXPECT_NE(list.find("**" + name + "**"), std::string::npos)
            << "command " << command.id << " \"" << name
            << "\" has no line in the command list of docs/guide.md";
    }
}

TEST(Guide, TheCommandListNamesOnlyCommandsThatExist) {
    std::set<std::string> names;
    for (const Command &command : Commands())
        names.insert(GuideName(command));
    const std::string list = CommandList();
    const std::regex bold(R"(\*\*([^*]+)\*\*)");
    int named = 0;
    for (auto it = std::sregex_iterator(list.begin(), list.end(), bold);
         it != std::sregex_iterator(); ++it, ++named)
        EXPECT_TRUE(names.count((*it)[1].str()))
            << "docs/guide.md lists \"" << (*it)[1].str() << "\", which no command is called";
    EXPECT_GT(named, 50);
}

} // namespace
} // namespace ventrel::test
