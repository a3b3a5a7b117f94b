#pragma once
#include <string>
#include <string_view>

namespace zoquel {

// How the dialogs turn edit text into numbers and back. Locale-independent (the decimal point
// is always '.'), whatever locale the application runs in.

// A real read from the start of the text: leading blanks and a '+' are allowed, anything after
// the number is ignored, text that is not a number (and "nan") reads as 0, and a number too
// large for a double reads as infinity of its sign.
double read_real(std::string_view text);
// A base-10 integer read the same way; out-of-range values saturate.
long read_integer(std::string_view text);

// "%.Nf" with N = decimals, and "%d".
std::string format_fixed(double value, int decimals);
std::string format_integer(long value);

}  // namespace zoquel
