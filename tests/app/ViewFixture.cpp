// A fresh main view per test, with a scripted Ui and host and a folder holding the example files.
#include "ViewFixture.h"

namespace ventrel::test {

ViewTest::ViewTest() : m_view(std::make_unique<CVentrelView>(m_ui, m_host)) {
    m_view->OnSize(1280, 800);
}

std::filesystem::path ViewTest::Example(const std::string &name) {
    const std::filesystem::path from =
        std::filesystem::path(VENTREL_SOURCE_DIR) / "examples" / name;
    return m_folder.Write(name, ReadBytes(from));
}

void ViewTest::ExampleOrgan() {
    for (const char *name : {"orgue.org", "grand-orgue.dat", "recit.dat", "pedale.dat",
                             "tourelle.dat", "tourelle-forme.poly", "tourelle-profil.poly"})
        Example(name);
}

bool ViewTest::RunWithFile(int id, const std::string &name) {
    m_ui.QueueFile(m_folder / name);
    return RunCommand(*m_view, id);
}

bool ViewTest::RunCancelled(int id) {
    m_ui.QueueFile(std::nullopt);
    return RunCommand(*m_view, id);
}

std::vector<std::string> ViewTest::MessageTexts() const {
    std::vector<std::string> texts;
    for (const auto &message : m_ui.Messages())
        texts.push_back(message.text);
    return texts;
}

} // namespace ventrel::test
