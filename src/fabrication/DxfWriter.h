// The minimal DXF files every cutting and drilling drawing is written as: LINE and CIRCLE entities.
#pragma once

#include "chest/Geometry.h"
#include "platform/AtomicFile.h"

#include <filesystem>
#include <string>

namespace ventrel {

// One ENTITIES section on layer "0", integer millimetres, Z = 0, LF line ends. The entities gather
// in memory; the file appears under its name only when Close succeeds, until then any previous file
// of that name is untouched. A writer never opened only gathers its text.
class DxfWriter {
public:
    bool Open(const std::filesystem::path &path);
    void Line(int x1, int y1, int x2, int y2);
    void Circle(int x, int y, int r);
    void Rectangle(const CRectangle &rect);
    // A drilling mark: two 20 mm lines crossing at the point.
    void Cross(int x, int y);
    // Writes the closing text and puts the file in place; false when anything failed.
    bool Close();
    // Writes the whole text into the temporary file without putting it in place, for a set of
    // files committed together (File()).
    bool Finish();
    // Drops the file without touching the target.
    void Abandon() { m_file.Discard(); }
    AtomicFile &File() { return m_file; }
    // The whole file as Close writes it.
    std::string Text() const { return kStart + m_entities + kEnd; }

    const std::string &Error() const { return m_file.Error(); }

    // The texts of the pieces, for callers that assemble DXF in memory.
    static std::string LineText(int x1, int y1, int x2, int y2);
    static std::string CircleText(int x, int y, int r);
    static constexpr const char *kStart = "0\nSECTION\n2\nENTITIES\n0\n";
    static constexpr const char *kEnd = "ENDSEC\n0\nEOF";

private:
    AtomicFile m_file;
    std::string m_entities;
};

} // namespace ventrel
