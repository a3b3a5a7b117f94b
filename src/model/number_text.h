#pragma once
#include <string>

namespace zoquel {

// Strict numbers from text, as files and the command line give them: the whole text must be
// the number, in the C locale's notation, and reals must be finite.
bool parse_int(const std::string& text, int& out);
bool parse_real(const std::string& text, double& out);

}  // namespace zoquel
