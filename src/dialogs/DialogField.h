// Reading numbers typed into dialog fields, with the framework's standard refusal texts.
#pragma once

#include <optional>
#include <string>

namespace ventrel {

class Ui;

inline constexpr const char *kEnterInteger = "Please enter an integer.";
inline constexpr const char *kEnterNumber = "Please enter a number.";

// The whole text as an integer (blanks around it allowed); nothing when it is not one.
std::optional<int> ParseIntField(const std::string &text);
// The whole text as a real number (blanks around it allowed); nothing when it is not one.
std::optional<double> ParseRealField(const std::string &text);

// The same, showing the refusal message when the text is not a number.
std::optional<int> ReadIntField(const std::string &text, Ui &ui);
std::optional<double> ReadRealField(const std::string &text, Ui &ui);

} // namespace ventrel
