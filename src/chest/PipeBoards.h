// The boards of square wooden pipes, from a wooden-pipe file (".pipe").
#pragma once

#include <array>
#include <string>
#include <vector>

namespace ventrel {

class Ui;

struct Board {
    int width = 0;
    int length = 0;
};

// Four boards per pipe, each a rectangle from (0, 0), derived from the five numbers a b c d e
// of the pipe: c x (b - e - d), c x b, (c - a) x b, c x d.
struct PipeBoards {
    static constexpr int kMaxPipes = 100;

    struct Pipe {
        int a = 0, b = 0, c = 0, d = 0, e = 0;
        std::array<Board, 4> boards;
    };
    std::vector<Pipe> pipes;
    // Whether the text began with "PIPENUMBER": the batch tool refuses a file that does not.
    bool headed = false;

    // Reads "PIPENUMBER n" then n groups of five; a text not starting with the keyword gives an
    // empty set. More than 100 pipes: the first 100 are kept, with a message.
    void Read(const std::string &text, Ui &ui);
    static std::array<Board, 4> BoardsOf(int a, int b, int c, int d, int e);
};

} // namespace ventrel
