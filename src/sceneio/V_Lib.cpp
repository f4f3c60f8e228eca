// The scene file reader's frame: loading the file and its script, positions and messages.
#include "sceneio/V_Lib.h"

#include "platform/Ui.h"
#include "platform/WorkFolder.h"
#include "render/Scene.h"

#include <algorithm>
#include <system_error>

namespace ventrel {

namespace {

// How often (in bytes of text) the progress of the top file is reported.
constexpr std::size_t kProgressStep = 1 << 20;

std::filesystem::path Canonical(const std::filesystem::path &path) {
    std::error_code error;
    std::filesystem::path canonical = std::filesystem::weakly_canonical(path, error);
    return error ? path.lexically_normal() : canonical;
}

} // namespace

void ReadSession::ReportOnce(const std::string &key, const std::string &text) {
    if (!reported.insert(key).second)
        return;
    if (ui)
        ui->MessageBox(text);
}

V_Lib::V_Lib(Ui *ui, ReadSession *session) : m_session(session ? session : &m_ownSession) {
    if (!session)
        m_ownSession.ui = ui;
    m_top = session == nullptr;
    // Any non-empty word, so that the readers' loops start.
    m_word = "L";
}

V_Lib::~V_Lib() = default;

void V_Lib::SetText(std::string text, std::string fileName) {
    m_text = std::move(text);
    m_fileName = std::move(fileName);
    m_pos = 0;
    m_line = 1;
    m_nextProgress = kProgressStep;
}

int V_Lib::ReadFileIntoMemory(const std::filesystem::path &fileName, Scene &scene) {
    m_fileName = fileName;
    // A file already read in this import (one that inlines itself, directly or through others)
    // is not read again.
    if (!m_session->filesRead.insert(Canonical(fileName)).second)
        return 0;
    // Only plain files: a device or a pipe named by an inline node could be read forever.
    std::string bytes;
    std::error_code error;
    if (!std::filesystem::is_regular_file(fileName, error) || !ReadWholeFile(fileName, bytes))
        return 0;
    Status(Format("Read scene:%s", fileName.string().c_str()));
    SetText(std::move(bytes), fileName.string());
    ReadScript(scene);
    return 1;
}

int V_Lib::ReadScript(Scene &scene) {
    const std::string name = m_fileName.filename().string();
    const std::size_t dot = name.rfind('.');
    const std::string scriptName = (dot == std::string::npos ? "" : name.substr(0, dot)) + ".scr";
    const std::filesystem::path path = m_fileName.parent_path() / scriptName;
    std::string bytes;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error) || !ReadWholeFile(path, bytes))
        return 0;
    Status(Format("Read script:%s", path.string().c_str()));
    scene.m_script = std::move(bytes);
    return 1;
}

std::filesystem::path V_Lib::Folder() const {
    return m_fileName.parent_path();
}

std::string V_Lib::Resolve(std::string_view name) const {
    std::string given(name);
    if (given.empty())
        return given;
    const std::filesystem::path beside = Folder() / given;
    std::error_code error;
    if (!Folder().empty() && std::filesystem::is_regular_file(beside, error))
        return beside.string();
    return given;
}

bool V_Lib::StartReading(Scene &scene, int objects) {
    if (!scene.HasRoom(objects)) {
        Message("** Scene::read_file : overflow");
        return false;
    }
    m_useScan2 = true;
    Session().numbers.clear();
    Session().pairs.clear();
    Session().indexes.clear();
    return true;
}

void V_Lib::Message(const std::string &text) {
    if (GetUi())
        GetUi()->MessageBox(text);
}

void V_Lib::Status(const std::string &text) {
    if (GetUi())
        GetUi()->StatusMessage(text);
}

bool V_Lib::Progress() {
    if (m_session->cancelled)
        return false;
    m_nextProgress = m_pos + kProgressStep;
    if (!m_top || !m_session->progress)
        return true;
    if (!m_session->progress(m_pos, m_text.size()))
        m_session->cancelled = true;
    return !m_session->cancelled;
}

void V_Lib::SkipLine() {
    while (m_pos < m_text.size() && m_text[m_pos] != '\n')
        ++m_pos;
    if (m_pos < m_text.size()) {
        ++m_pos;
        ++m_line;
    }
}

V_Lib::Mark V_Lib::MarkAt(std::string_view word) const {
    const std::size_t position =
        word.data() >= m_text.data() && word.data() <= m_text.data() + m_text.size()
            ? static_cast<std::size_t>(word.data() - m_text.data())
            : m_pos;
    return {position, m_braceDepth, m_line};
}

void V_Lib::Restore(const Mark &mark) {
    m_pos = std::min(mark.position, m_text.size());
    m_braceDepth = mark.depth;
    m_line = mark.line;
}

std::string_view V_Lib::QuotedName(std::string_view word) {
    if (word.empty() || word.front() != '"')
        return word;
    word.remove_prefix(1);
    const std::size_t quote = word.find('"');
    return quote == std::string_view::npos ? word : word.substr(0, quote);
}

} // namespace ventrel
