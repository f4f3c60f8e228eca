// Reading a windchest description file (.dat): stop files, partition files and octave files.
#include "CTextScanner.h"
#include "CWindchest.h"
#include "DatKeywords.h"
#include "DatSourceMap.h"

#include "platform/FatalInputError.h"
#include "platform/Ui.h"
#include "platform/WorkFolder.h"

#include <cmath>
#include <map>

namespace ventrel {
namespace {

// The greatest octave-file stop whose groups and interpolation stay within a stop's 80 pipes.
constexpr int kMaxOctavePipes = 71;

// Semitone ratios within the octave, from C sharp to B.
constexpr double kSemitoneRatios[11] = {1.0535,  1.1174,  1.18518, 1.25283, 1.33333, 1.40466,
                                        1.49493, 1.58025, 1.67044, 1.77778, 1.87924};

class DatReader {
public:
    DatReader(CWindchest &chest, const std::string &text, const WorkFolder &folder, Ui &ui,
              DatSourceMap *map)
        : m_chest(chest), m_scan(text, ui), m_folder(folder), m_ui(ui), m_map(map) {}

    void Read();
    // Read, noting where a fault stopped it.
    void ReadRecorded();

private:
    std::string_view Kw(DatKeyword keyword) const { return Keyword(keyword, m_language); }
    int ReadValue();
    void ReadList(const CStop &stop, CStop::PipeArray &values, int count, DatSourceMap::List list,
                  const char *what);
    int ReadSize(const CStop &stop, int pipe, const char *what);
    [[noreturn]] void Fail(int status, const std::string &text) const;
    const L_2D_Drawing &Outline(const std::string &name);
    // The source record of the stop being read (null when not recording).
    DatSourceMap::StopSource *Source() {
        return m_map && !m_map->stops.empty() ? &m_map->stops.back() : nullptr;
    }
    // Starts the source record of a stop whose keyword was just matched.
    void BeginSource(size_t start, std::string_view keyword);
    // The offset of the keyword just found or matched.
    size_t KeywordAt(std::string_view word) const { return m_scan.Cursor() - word.size(); }
    int ReadPipeCount(CStop &stop, int largest);
    bool StartStop(int &s);

    void ReadPartitions();
    void ReadStops();
    enum class Section { Stop, Octave };
    bool ReadStop(int s, bool &firstMixture);
    int ReadStopHead(int s, CStop &stop, Section section);
    void ReadShape(CStop &stop);
    void ReadOrigin(CStop &stop);
    void ReadTurrets(CStop &stop);
    void ReadOctaves();
    bool ReadOctaveStop(int s);

    CWindchest &m_chest;
    CTextScanner m_scan;
    const WorkFolder &m_folder;
    Ui &m_ui;
    DatSourceMap *m_map;
    DatLanguage m_language = DatLanguage::French;
    bool m_clampReported = false;
    // Turrets beyond a stop's table, counted for one message at the end.
    int m_turretsIgnored = 0;
    std::string m_turretsIgnoredStop;
    // Each outline file named by the turrets is read once per chest.
    std::map<std::string, L_2D_Drawing> m_outlines;
};

void DatReader::BeginSource(size_t start, std::string_view keyword) {
    if (!m_map)
        return;
    DatSourceMap::StopSource source;
    source.start = start;
    source.name = KeywordAt(keyword);
    m_map->stops.push_back(std::move(source));
}

void DatReader::ReadRecorded() {
    if (!m_map) {
        Read();
        return;
    }
    try {
        Read();
    } catch (const FatalInputError &) {
        m_map->fault = m_scan.Cursor();
        throw;
    }
}

void DatReader::Fail(int status, const std::string &text) const {
    throw FatalInputError(status, text, m_scan.Line());
}

const L_2D_Drawing &DatReader::Outline(const std::string &name) {
    auto found = m_outlines.find(name);
    if (found == m_outlines.end()) {
        found = m_outlines.emplace(name, L_2D_Drawing()).first;
        found->second.L_2D_savepoints(m_folder.In(name), PolyFile::Input, m_ui);
    }
    return found->second;
}

int DatReader::ReadValue() {
    const int value = m_scan.ReadInt();
    if (value == LimitMillimetres(value))
        return value;
    if (!m_clampReported) {
        m_ui.StatusMessage(
            Format("Value %d out of range: limited to %d mm", value, kLargestMillimetres));
        m_clampReported = true;
    }
    return LimitMillimetres(value);
}

// A diameter, hole or length: a negative one would give the drawings negative radii.
int DatReader::ReadSize(const CStop &stop, int pipe, const char *what) {
    const int value = ReadValue();
    if (value < 0)
        Fail(1, Format("Stop %s: pipe %d has a negative %s (%d)", stop.m_name.c_str(), pipe + 1,
                       what, value));
    return value;
}

// Reads `count` numbers, keeping the ones that fit in the table.
void DatReader::ReadList(const CStop &stop, CStop::PipeArray &values, int count,
                         DatSourceMap::List list, const char *what) {
    DatSourceMap::StopSource *source = Source();
    if (source)
        source->listStart[list] = m_scan.Cursor();
    for (int k = 0; k < count && !m_scan.AtEnd(); ++k) {
        const int value = ReadSize(stop, k, what);
        if (source && m_scan.LastNumberStart() != DatSourceMap::kNone)
            source->numbers[list].push_back(m_scan.LastNumberStart());
        if (k < CStop::kMaxPipes)
            values[static_cast<size_t>(k)] = value;
    }
}

// The pipe count as written, and the count the stop keeps (0 ... largest).
int DatReader::ReadPipeCount(CStop &stop, int largest) {
    const int written = m_scan.ReadInt();
    stop.m_pipe_count = std::clamp(written, 0, largest);
    if (written != stop.m_pipe_count)
        m_ui.MessageBox(Format("Stop %s: %d pipes; a stop holds 0 to %d here, %d kept",
                               stop.m_name.c_str(), written, largest, stop.m_pipe_count));
    return std::max(written, 0);
}

bool DatReader::StartStop(int &s) {
    s = m_chest.m_stop_count;
    if (s < CWindchest::kMaxStops)
        return true;
    m_ui.MessageBox(Format("A windchest holds %d stops: the stops after the %dth are not read",
                           CWindchest::kMaxStops, CWindchest::kMaxStops));
    return false;
}

void DatReader::Read() {
    m_chest.m_stop_count = 0;
    m_chest.m_mixture_first = 0;
    m_chest.m_mixture_end = 0;
    if (m_scan.Find("ENGLISH")) {
        m_language = DatLanguage::English;
        if (m_map)
            m_map->english = true;
        m_scan.NextLine();
    } else {
        m_language = DatLanguage::French;
        m_scan.SetCursor(0);
    }
    const size_t start = m_scan.Cursor();
    if (m_scan.Find("BARRAGES")) {
        if (m_map)
            m_map->partitions = true;
        ReadPartitions();
        return;
    }
    if (m_scan.Find("UTenUT")) {
        if (m_map)
            m_map->octave = true;
        m_scan.NextLine();
        ReadOctaves();
        return;
    }
    m_scan.SetCursor(start);
    if (m_scan.Match(Kw(kCentralHole))) {
        m_chest.m_central_hole[0] = ReadValue();
        m_chest.m_central_hole[1] = ReadValue();
        m_scan.NextLine();
    }
    ReadStops();
    if (m_turretsIgnored > 0)
        m_ui.MessageBox(Format("%s%sStop %s: more than %d turrets; %d turret line%s ignored",
                               m_chest.m_file_name.c_str(), m_chest.m_file_name.empty() ? "" : ": ",
                               m_turretsIgnoredStop.c_str(), CStop::kMaxTurrets, m_turretsIgnored,
                               m_turretsIgnored == 1 ? " is" : "s are"));
}

void DatReader::ReadPartitions() {
    m_chest.m_rect_count = 0;
    m_chest.m_line_count = 0;
    bool fullReported = false;
    auto reportFull = [&](const char *what, int limit) {
        if (!fullReported)
            m_ui.MessageBox(
                Format("Partition file: more than %d %s; the others are ignored", limit, what));
        fullReported = true;
    };
    for (;;) {
        m_scan.NextLine();
        CRectangle read;
        const size_t line = m_scan.Cursor();
        if (m_scan.Match("RECT")) {
            if (m_map)
                m_map->rects.push_back(line);
            read.x1 = ReadValue();
            read.x2 = ReadValue();
            read.y1 = ReadValue();
            read.y2 = ReadValue();
            if (m_chest.m_rect_count < CWindchest::kMaxRects)
                m_chest.m_rects[static_cast<size_t>(m_chest.m_rect_count++)] = read;
            else
                reportFull("rectangles", CWindchest::kMaxRects);
        } else if (m_scan.Match("LINE")) {
            if (m_map)
                m_map->lines.push_back(line);
            read.x1 = ReadValue();
            read.y1 = ReadValue();
            read.x2 = ReadValue();
            read.y2 = ReadValue();
            if (m_chest.m_line_count < CWindchest::kMaxLines)
                m_chest.m_lines[static_cast<size_t>(m_chest.m_line_count++)] = read;
            else
                reportFull("lines", CWindchest::kMaxLines);
        } else {
            if (m_map)
                m_map->end = line;
            return;
        }
    }
}

void DatReader::ReadStops() {
    bool firstMixture = true;
    while (!m_scan.AtEnd()) {
        int s = 0;
        if (!StartStop(s)) {
            if (m_map)
                m_map->end = m_scan.Cursor();
            return;
        }
        if (!ReadStop(s, firstMixture))
            return;
        ++m_chest.m_stop_count;
        m_scan.Advance();
    }
}

// One stop section; false when reading ends here.
bool DatReader::ReadStop(int s, bool &firstMixture) {
    CStop &stop = m_chest.Stop(s);
    stop.Reset();
    const size_t start = m_scan.Cursor();
    if (m_scan.Match(Kw(kInterPipes)))
        stop.m_gap = ReadValue();
    m_scan.SkipToWord();
    if (m_scan.Match(Kw(kMixture))) {
        stop.m_mixture = true;
        m_scan.NextLine();
        if (firstMixture)
            m_chest.m_mixture_first = s;
        firstMixture = false;
        m_chest.m_mixture_end = s + 1;
        m_scan.SkipToWord();
    }
    if (!m_scan.Match(Kw(kStop))) {
        if (m_map)
            m_map->end = start;
        return false;
    }
    BeginSource(start, Kw(kStop));
    const int written = ReadStopHead(s, stop, Section::Stop);
    if (written < 0)
        return false;
    const size_t listStart = m_scan.Cursor();
    ReadList(stop, stop.m_diameter, written, DatSourceMap::kDiameters, "diameter");
    ReadList(stop, stop.m_hole, written, DatSourceMap::kHoles, "plate hole");
    ReadList(stop, stop.m_foot, written, DatSourceMap::kFeet, "foot hole");
    if (!m_scan.Find(Kw(kHeights))) {
        // Whoever catches the error shows its text, once; the next line says what went wrong.
        const std::string heights(Kw(kHeights));
        const size_t listEnd = m_scan.Cursor();
        m_scan.SetCursor(listStart);
        const bool overran = m_scan.Find(heights) && m_scan.Cursor() <= listEnd;
        m_scan.SetCursor(listEnd);
        const std::string why =
            overran ? Format("%d pipes announced, but the lists before %s hold fewer values",
                             written, heights.c_str())
                    : Format("no %s after the %d diameters, plate holes and foot holes",
                             heights.c_str(), written);
        Fail(-1, Format("Wrong HEIGHTS keyword; Stop :%s\n%s", stop.m_name.c_str(), why.c_str()));
    }
    if (DatSourceMap::StopSource *source = Source())
        source->heights = KeywordAt(Kw(kHeights));
    ReadList(stop, stop.m_length, written, DatSourceMap::kLengths, "length");
    ReadTurrets(stop);
    if (DatSourceMap::StopSource *source = Source())
        source->complete = true;
    return true;
}

// The lines from the stop's name to its origin. A stop file searches its optional keywords forward
// and switches the register display on for a slider; an octave file wants them at the cursor and
// switches it off. Returns the pipe count as written, or -1 without the pipe-count keyword.
int DatReader::ReadStopHead(int s, CStop &stop, Section section) {
    const bool stopFile = section == Section::Stop;
    auto locate = [this, stopFile](std::string_view word) {
        return stopFile ? m_scan.Find(word) : m_scan.Match(word);
    };
    m_scan.SkipToWord();
    stop.m_name = m_scan.ReadWord().substr(0, CStop::kMaxNameLength);
    m_scan.NextLine();
    if (locate(Kw(kDiatonic))) {
        stop.m_diatonic = true;
        stop.m_diatonic_offset = ReadValue();
        m_scan.NextLine();
    }
    if (m_scan.Match("SLIDER")) {
        stop.m_slider = m_scan.ReadInt();
        m_chest.m_show_registers = stopFile;
        if (stop.m_slider == 2)
            m_chest.m_master_stop = s;
        m_scan.NextLine();
    }
    if (!locate(Kw(kPipeCount))) {
        if (m_map)
            m_map->fault = m_scan.Cursor();
        m_ui.StatusMessage("Erreur lecture fichier .dat");
        return -1;
    }
    DatSourceMap::StopSource *source = Source();
    if (source)
        source->pipeCount = KeywordAt(Kw(kPipeCount));
    const int written = ReadPipeCount(stop, stopFile ? CStop::kMaxPipes : kMaxOctavePipes);
    if (source)
        source->written = written;
    m_scan.NextLine();
    m_scan.Find(Kw(kFirstPipe));
    stop.m_first_pipe = ReadValue();
    m_scan.NextLine();
    m_scan.Find(Kw(kIncx));
    stop.m_incx = ReadValue();
    m_scan.NextLine();
    ReadShape(stop);
    ReadOrigin(stop);
    return written;
}

void DatReader::ReadShape(CStop &stop) {
    m_scan.Find(Kw(kShape));
    if (m_scan.Match(Kw(kRound))) {
        stop.m_square = false;
    } else if (m_scan.Match(Kw(kSquare))) {
        stop.m_square = true;
    } else {
        Fail(197, Format("Stop %s: no pipe shape: %s must be followed directly by %s or %s",
                         stop.m_name.c_str(), std::string(Kw(kShape)).c_str(),
                         std::string(Kw(kRound)).c_str(), std::string(Kw(kSquare)).c_str()));
    }
}

void DatReader::ReadOrigin(CStop &stop) {
    if (m_scan.Find(Kw(kOrigin)))
        if (DatSourceMap::StopSource *source = Source())
            source->origin = KeywordAt(Kw(kOrigin));
    m_scan.SkipToWord();
    stop.m_x0 = ReadValue();
    stop.m_y0 = ReadValue();
    m_scan.NextLine();
}

void DatReader::ReadTurrets(CStop &stop) {
    while (m_scan.Find(Kw(kTurret))) {
        if (DatSourceMap::StopSource *source = Source())
            source->turrets.push_back(KeywordAt(Kw(kTurret)));
        m_scan.SkipToWord();
        const std::string couple = m_scan.ReadWord().substr(0, CLoft::kNameLength);
        m_scan.SkipToWord();
        const std::string forme = m_scan.ReadWord().substr(0, CLoft::kNameLength);
        Vec3 offset, rotation;
        offset.x = static_cast<float>(ReadValue());
        offset.y = static_cast<float>(ReadValue());
        offset.z = static_cast<float>(ReadValue());
        rotation.x = static_cast<float>(ReadValue());
        rotation.y = static_cast<float>(ReadValue());
        rotation.z = static_cast<float>(ReadValue());
        if (stop.m_turret_count >= CStop::kMaxTurrets) {
            if (m_turretsIgnored++ == 0)
                m_turretsIgnoredStop = stop.m_name;
        } else {
            CLoft &turret = stop.Turret(stop.m_turret_count);
            turret = CLoft();
            turret.m_couple_name = couple;
            turret.m_forme_name = forme;
            turret.m_couple = Outline(couple);
            turret.m_forme = Outline(forme);
            turret.m_offset = offset;
            turret.m_rotation = rotation;
            ++stop.m_turret_count;
        }
        m_scan.NextLine();
    }
}

void DatReader::ReadOctaves() {
    while (!m_scan.AtEnd() && m_scan.Find(Kw(kStop))) {
        int s = 0;
        if (!StartStop(s))
            break;
        if (!ReadOctaveStop(s))
            return;
        ++m_chest.m_stop_count;
        m_scan.Advance();
    }
    m_chest.InterpolateOctaves();
}

// One stop of an octave file; false when reading ends without interpolation.
bool DatReader::ReadOctaveStop(int s) {
    CStop &stop = m_chest.Stop(s);
    stop.Reset();
    BeginSource(m_scan.Cursor() - Kw(kStop).size(), Kw(kStop));
    const int written = ReadStopHead(s, stop, Section::Octave);
    if (written < 0)
        return false;
    DatSourceMap::StopSource *source = Source();
    if (source)
        source->listStart[DatSourceMap::kDiameters] = m_scan.Cursor();
    // One group of four for each C, plus the C above the last octave.
    const int groups = written / 12 + 2;
    for (int g = 0; g < groups && !m_scan.AtEnd(); ++g) {
        const int p0 = 12 * g;
        const char *what[4] = {"diameter", "foot hole", "plate hole", "length"};
        int group[4];
        for (int i = 0; i < 4; ++i) {
            group[i] = ReadSize(stop, p0, what[i]);
            if (source && m_scan.LastNumberStart() != DatSourceMap::kNone)
                source->numbers[DatSourceMap::kDiameters].push_back(m_scan.LastNumberStart());
        }
        const int diameter = group[0], foot = group[1], hole = group[2], length = group[3];
        const int p = 12 * g;
        if (p >= CStop::kMaxPipes)
            continue;
        const size_t slot = static_cast<size_t>(p);
        stop.m_diameter[slot] = diameter;
        stop.m_foot[slot] = foot;
        stop.m_hole[slot] = hole;
        stop.m_length[slot] = length;
    }
    if (source)
        source->complete = true;
    return true;
}

} // namespace

void CWindchest::ReadDat(const std::string &text, const WorkFolder &folder, Ui &ui,
                         DatSourceMap *map) {
    DatReader(*this, text, folder, ui, map).ReadRecorded();
}

bool CWindchest::ReadDatFile(const std::string &name, const WorkFolder &folder, Ui &ui) {
    std::string text;
    const auto path = folder.In(name);
    if (!ReadInputFile(path, text, ui))
        return false;
    m_file_name = name.substr(0, kMaxFileName);
    try {
        ReadDat(text, folder, ui);
    } catch (const FatalInputError &error) {
        throw error.In(path.string());
    }
    return true;
}

void CWindchest::InterpolateOctaves() {
    for (int s = 0; s < StopCount(); ++s)
        InterpolateOctaves(Stop(s));
}

void CWindchest::InterpolateOctaves(CStop &stop) {
    auto interpolate = [](CStop::PipeArray &values, int below, int pipe, double ratio) {
        const double c = values[static_cast<size_t>(below)];
        const double u = values[static_cast<size_t>(below + 12)];
        values[static_cast<size_t>(pipe)] =
            static_cast<int>(std::trunc(c - (c - u) * (2 - 2 / ratio)));
    };
    for (int j = 0; j <= stop.m_pipe_count / 12; ++j) {
        const int below = 12 * j;
        if (below + 12 >= CStop::kMaxPipes)
            break;
        for (int k = 0; k <= 10; ++k) {
            const int pipe = below + k + 1;
            interpolate(stop.m_diameter, below, pipe, kSemitoneRatios[k]);
            interpolate(stop.m_foot, below, pipe, kSemitoneRatios[k]);
            interpolate(stop.m_hole, below, pipe, kSemitoneRatios[k]);
            interpolate(stop.m_length, below, pipe, kSemitoneRatios[k]);
        }
    }
}

} // namespace ventrel
