#pragma once
#include <string>

namespace zoquel {

// Strict numbers from text, as files and the command line give them: the whole text must be
// the number, in the C locale's notation whatever the process's locale, and reals must be
// finite. One leading '+' is allowed.
bool parse_int(const std::string& text, int& out);
bool parse_real(const std::string& text, double& out);

// The shortest text that parse_real reads back as exactly `v`, in the C locale's notation.
std::string real_text(double v);

// The refusal of text that parse_int (whole) or parse_real does not take, shared by every
// reader of named values so that all word it alike.
std::string not_a_number_refusal(const std::string& text, bool whole);

}  // namespace zoquel
