#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace tarn {

// One argument in quotation marks by the platform's command-line rules: a run of backslashes before a quotation
// mark (the closing one included) is doubled, so "C:\" reaches the program as C:\ and not as C:".
std::string QuoteArgument(std::string_view argument);

// The parameter list of dropped files: each quoted, separated by one blank.
std::string JoinArguments(const std::vector<std::string>& arguments);

}  // namespace tarn
