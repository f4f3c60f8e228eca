// The user guide in a window of its own: the Markdown guide with its pictures beside it.
#include "GuideWindow.h"

#include "platform/ProgramFolder.h"

#include <QUrl>

namespace ventrel {

std::filesystem::path FindGuide() {
    const std::filesystem::path docs = FindBesideProgram("share/doc/ventrel/docs");
    if (docs.empty() || !std::filesystem::is_regular_file(docs / "guide.md"))
        return {};
    return docs / "guide.md";
}

GuideWindow::GuideWindow(const std::filesystem::path &guide, QWidget *parent)
    : QTextBrowser(parent) {
    setWindowTitle(kCaption);
    setObjectName("GuideWindow");
    setWindowFlag(Qt::Window);
    setOpenExternalLinks(true);
    resize(900, 760);
    // Pictures are named relative to the guide, in its own folder.
    setSource(QUrl::fromLocalFile(QString::fromStdString(guide.string())),
              QTextDocument::MarkdownResource);
}

} // namespace ventrel
