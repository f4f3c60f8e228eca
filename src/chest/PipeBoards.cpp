// The boards of square wooden pipes, from a wooden-pipe file (".pipe").
#include "PipeBoards.h"

#include "CTextScanner.h"
#include "Geometry.h"

#include "platform/Ui.h"

#include <algorithm>

namespace ventrel {
std::array<Board, 4> PipeBoards::BoardsOf(int a, int b, int c, int d, int e) {
    return {{{c, b - e - d}, {c, b}, {c - a, b}, {c, d}}};
}

void PipeBoards::Read(const std::string &text, Ui &ui) {
    pipes.clear();
    CTextScanner scan(text, ui);
    headed = scan.Match("PIPENUMBER");
    if (!headed)
        return;
    const int written = scan.ReadInt();
    const int count = std::clamp(written, 0, kMaxPipes);
    if (written > kMaxPipes)
        ui.MessageBox(Format("%d wooden pipes: a board set holds %d, the others are ignored",
                             written, kMaxPipes));
    for (int i = 0; i < count && !scan.AtEnd(); ++i) {
        Pipe pipe;
        pipe.a = LimitMillimetres(scan.ReadInt());
        pipe.b = LimitMillimetres(scan.ReadInt());
        pipe.c = LimitMillimetres(scan.ReadInt());
        pipe.d = LimitMillimetres(scan.ReadInt());
        pipe.e = LimitMillimetres(scan.ReadInt());
        pipe.boards = BoardsOf(pipe.a, pipe.b, pipe.c, pipe.d, pipe.e);
        pipes.push_back(pipe);
    }
}

} // namespace ventrel
