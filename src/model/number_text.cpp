#include "model/number_text.h"

#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>

namespace zoquel {

namespace {

// from_chars is locale-independent but takes no '+'; strtol and strtod, which it replaces,
// took one, and the command line keeps taking it. "+-1" stays no number.
std::string_view without_plus(const std::string& text) {
    std::string_view t = text;
    if (t.size() > 1 && t[0] == '+' && t[1] != '-' && t[1] != '+') t.remove_prefix(1);
    return t;
}

// Blanks around a number are allowed, as the dialogs allow them; anything else is not.
std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t"), last = text.find_last_not_of(" \t");
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

template <class Number>
bool parse_whole_text(const std::string& given, Number& out) {
    const std::string text = trimmed(given);
    const std::string_view t = without_plus(text);
    Number v{};
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (ec != std::errc() || end != t.data() + t.size()) return false;
    out = v;
    return true;
}

}  // namespace

bool parse_int(const std::string& text, int& out) { return parse_whole_text(text, out); }

bool parse_real(const std::string& text, double& out) {
    double v = 0;
    if (!parse_whole_text(text, v) || !std::isfinite(v)) return false;
    out = v;
    return true;
}

std::string real_text(double v) {
    char buffer[32];  // the longest shortest form, "-2.2250738585072014e-308", has 24
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
    return ec == std::errc() ? std::string(buffer, end) : std::string();
}

std::string not_a_number_refusal(const std::string& text, bool whole) {
    return "'" + text + (whole ? "' is not a whole number" : "' is not a finite number");
}

}  // namespace zoquel
