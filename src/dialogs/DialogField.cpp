// Reading numbers typed into dialog fields, with the framework's standard refusal texts.
#include "DialogField.h"

#include "platform/Ui.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace ventrel {
namespace {

bool OnlyBlanks(const char *p) {
    while (*p == ' ' || *p == '\t')
        ++p;
    return *p == '\0';
}

} // namespace

std::optional<int> ParseIntField(const std::string &text) {
    const char *start = text.c_str();
    char *end = nullptr;
    errno = 0;
    const long value = std::strtol(start, &end, 10);
    if (end == start || errno == ERANGE || value < INT_MIN || value > INT_MAX || !OnlyBlanks(end))
        return std::nullopt;
    return static_cast<int>(value);
}

std::optional<double> ParseRealField(const std::string &text) {
    const char *start = text.c_str();
    char *end = nullptr;
    errno = 0;
    const double value = std::strtod(start, &end);
    if (end == start || errno == ERANGE || !std::isfinite(value) || !OnlyBlanks(end))
        return std::nullopt;
    return value;
}

std::optional<int> ReadIntField(const std::string &text, Ui &ui) {
    auto value = ParseIntField(text);
    if (!value)
        ui.MessageBox(kEnterInteger);
    return value;
}

std::optional<double> ReadRealField(const std::string &text, Ui &ui) {
    auto value = ParseRealField(text);
    if (!value)
        ui.MessageBox(kEnterNumber);
    return value;
}

} // namespace ventrel
