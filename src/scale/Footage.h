// A stop's footage written as organ builders do: 8, 16, 2 2/3, 1 3/5, 8/3 or 2.667.
#pragma once

#include <optional>
#include <string>

namespace ventrel {

// "8", "2 2/3" (also "2-2/3", "2+2/3"), "8/3", "1.6" (a comma as decimal mark too); nothing when
// the text is none of these. The range is not checked here.
std::optional<double> ParseFootage(const std::string &text);

// "8", "2 2/3", "1 3/5", "4/5": a whole number and a fraction of denominator up to 9 when the
// footage is one; otherwise three decimals.
std::string FormatFootage(double footage);

// The usual footage nearest to `footage` (by pitch), among 64' down to 1/2' and their mutations.
double NearestUsualFootage(double footage);

} // namespace ventrel
