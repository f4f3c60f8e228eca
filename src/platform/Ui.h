// The user-facing side of the platform: message boxes, the status bar, file and colour dialogs.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace ventrel {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// What the program asks of the person in front of it. The desktop implements it with Qt dialogs;
// tests and the command line use HeadlessUi.
class Ui {
public:
    virtual ~Ui() = default;

    virtual MessageAnswer MessageBox(const std::string &text, const std::string &caption = "",
                                     MessageButtons buttons = MessageButtons::Ok) = 0;
    // Pane 0 of the status bar.
    virtual void StatusMessage(const std::string &text) = 0;
    // A file dialog with a filter such as "Fichiers de tuyaux (*.dat)|*.dat;|" and a title;
    // returns the chosen full path, or nothing on cancel.
    virtual std::optional<std::filesystem::path> AskFileName(const std::string &filter,
                                                             const std::string &title) = 0;
    // A colour dialog over a COLORREF (0x00BBGGRR); nothing on cancel.
    virtual std::optional<std::uint32_t> ChooseColour(std::uint32_t initial) = 0;
    virtual void RequestRepaint() = 0;

    // The file dialog of AskFileName that also tells which entry of the filter ("Files of type")
    // was chosen, counted from 0; a Ui that cannot tell answers 0.
    virtual std::optional<std::filesystem::path>
    AskFileNameAndType(const std::string &filter, const std::string &title, int &type) {
        type = 0;
        return AskFileName(filter, title);
    }
    // A file dialog for a file to write, proposing `suggested` (a full path); it asks before an
    // existing file is replaced. A Ui without one asks as AskFileName does.
    virtual std::optional<std::filesystem::path> AskSaveFileName(const std::string &filter,
                                                                 const std::string &title,
                                                                 const std::string &suggested) {
        (void)suggested;
        return AskFileName(filter, title);
    }
    // The progress of a long task, `done` of `total`, with a way to cancel it: false once the
    // person has cancelled. EndProgress takes the progress away.
    virtual bool Progress(const std::string &text, std::uint64_t done, std::uint64_t total) {
        (void)text, (void)done, (void)total;
        return true;
    }
    virtual void EndProgress() {}
};

// printf-style formatting for the texts the program shows ("FICHIER %s ABSENT\n", ...).
std::string Format(const char *format, ...) __attribute__((format(printf, 1, 2)));

} // namespace ventrel
