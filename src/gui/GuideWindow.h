// The user guide in a window of its own: the Markdown guide with its pictures beside it.
#pragma once

#include <QTextBrowser>

#include <filesystem>

namespace ventrel {

// docs/guide.md where the program finds it: PREFIX/share/doc/ventrel/docs beside an installed
// program, the copy at the top of the build tree for a program run from there; empty when neither.
std::filesystem::path FindGuide();

class GuideWindow : public QTextBrowser {
    Q_OBJECT
public:
    static constexpr const char *kCaption = "Ventrel User Guide";

    explicit GuideWindow(const std::filesystem::path &guide, QWidget *parent = nullptr);
};

} // namespace ventrel
