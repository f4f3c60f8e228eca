// The reading frame of a scene file: the whole text in memory, its companion script, the words.
#pragma once

#include "math/Vec.h"
#include "sceneio/ReadSession.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace ventrel {

class Scene;
class Ui;

// Reads one file. The caller's sequence: construct, ReadFileIntoMemory (or SetText), read_file or
// one of the Read...Scene operations, destroy. Words are views into the text buffer: nothing is
// copied per word.
class V_Lib {
public:
    // Without a session the V_Lib makes its own; inline files share their parent's.
    explicit V_Lib(Ui *ui = nullptr, ReadSession *session = nullptr);
    ~V_Lib();
    V_Lib(const V_Lib &) = delete;
    V_Lib &operator=(const V_Lib &) = delete;

    // Loads the whole file and its companion script (the name up to its last '.', then ".scr").
    // Returns 0 when the file cannot be opened or read, or when it was already read in this
    // import (an inline loop); shows nothing then.
    int ReadFileIntoMemory(const std::filesystem::path &fileName, Scene &scene);
    int ReadScript(Scene &scene);
    // A text given directly (tests, fuzzing); the file name is used in messages only.
    void SetText(std::string text, std::string fileName = "scene.wrl");

    // The three further text formats, each read into objects appended to the scene (the text
    // mesh: 1 object; footprints: the footprints and their walls, 2; the terrain grid: 1). They
    // return the number of objects added.
    int ReadMeshScene(Scene &scene);
    int ReadFootprintScene(Scene &scene);
    int ReadTerrainScene(Scene &scene);

    // One word into Word(): the empty word marks the end of the text. ScanWord2 also separates at
    // ';' and counts line feeds.
    std::string_view ScanWord();
    std::string_view ScanWord2();
    std::string_view Word() const { return m_word; }
    // The scanner the current reader uses (ScanWord for VRML 1.0, ScanWord2 for the others).
    std::string_view Next() { return m_useScan2 ? ScanWord2() : ScanWord(); }
    // Skips the rest of the current line (after its line feed).
    void SkipLine();
    // The next word read in one pass when it is a plain number ended by a separator or a bracket:
    // the value is then the same as ToFloat(Next()) / ToLong(Next()) and the position, line and
    // word are where Next() leaves them. False, nothing has moved: the caller takes the word with
    // Next() (a bracket, a word that is not only a number, a progress report due, the end).
    bool NextFloat(float &value) {
        return m_useScan2 ? ScanFloat<true>(value) : ScanFloat<false>(value);
    }
    bool NextLong(long &value) {
        return m_useScan2 ? ScanLong<true>(value) : ScanLong<false>(value);
    }

    // Numbers as the C library's atof and atol read them: the leading number of the word, 0 when
    // there is none. Never depends on the locale.
    static float ToFloat(std::string_view word);
    static long ToLong(std::string_view word);
    // The text between the quotes of a word that carries them ("name" -> name, cut at the next
    // quote); a word without a leading quote is taken whole.
    static std::string_view QuotedName(std::string_view word);

    const std::string &Text() const { return m_text; }
    const std::filesystem::path &FileName() const { return m_fileName; }
    // The folder that bare names in the file (textures, inline files) are relative to.
    std::filesystem::path Folder() const;
    // A texture or inline name as the file gives it, found beside the file when it is there.
    std::string Resolve(std::string_view name) const;

    ReadSession &Session() { return *m_session; }
    Ui *GetUi() const { return m_session->ui; }
    void Message(const std::string &text);
    void Status(const std::string &text);
    // Reports the progress of the top file; false when the import is cancelled.
    bool Progress();

    // Read position, and putting it back (DEF re-reading). Restoring also restores the brace depth
    // and line counter as they were at that position.
    struct Mark {
        std::size_t position;
        int depth;
        long line;
    };
    Mark MarkAt(std::string_view word) const;
    void Restore(const Mark &mark);
    std::size_t Position() const { return m_pos; }

    unsigned m_commentSwitch = 0;
    int m_braceDepth = 0;
    int m_groupCount = 0;
    Vec3 m_runningTranslation;
    // Line of the text being scanned (1 for the first), counted by ScanWord2.
    long m_line = 1;
    bool m_useScan2 = false;
    // Set on the V_Lib that read the top file: progress is reported for it only.
    bool m_top = true;

private:
    template <bool Two> std::string_view Scan();
    template <bool Two> bool ScanFloat(float &value);
    template <bool Two> bool ScanLong(long &value);
    // Where the next word starts, past separators, with the line feeds passed; false when the
    // plain scanner has to take over.
    template <bool Two> bool WordStart(std::size_t &start, long &lines) const;
    // Takes the word [start, end) ended by the character at `end`, as Scan does.
    template <bool Two> void TakeWord(std::size_t start, std::size_t end, long lines);
    // The start of the three further readers: room for `objects` more objects (else the overflow
    // message and false), the second scanner, empty scratch tables.
    bool StartReading(Scene &scene, int objects);

    std::string m_text;
    std::filesystem::path m_fileName;
    std::size_t m_pos = 0;
    std::string_view m_word;
    // A word interrupted by a comment, joined together (rare).
    std::string m_joined;
    std::size_t m_nextProgress = 0;
    ReadSession m_ownSession;
    ReadSession *m_session;
};

// Parses the text of lib into objects appended to scene, one per reader call, as its header says
// (VRML 1.0 or 2.0). Returns 1 when it ran, 0 when the header is refused.
int read_file(Scene &scene, V_Lib &lib);

} // namespace ventrel
