#pragma once
#include <optional>
#include <string>
#include <vector>

namespace zoquel::shell {

// The default square image: 600 on any screen at least 728 high, else the screen height less
// 128, but never below the smallest size the parameter dialog allows.
int default_image_size(int yscreen);

// The parameter file named on the command line (the arguments after the program name), with
// or without the quotes a desktop may put around it. Nothing when no file is named.
std::optional<std::string> parameter_file_argument(const std::vector<std::string>& arguments);

// What `zoquel --help` or `zoquel --version` prints, answered before any window opens;
// nothing for other arguments.
std::optional<std::string> command_line_answer(const std::vector<std::string>& arguments);

// Takes every `flag` (an option without a value) out of the arguments; true if there was one.
bool take_flag(std::vector<std::string>& arguments, const std::string& flag);

}  // namespace zoquel::shell
