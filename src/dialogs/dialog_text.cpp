#include "dialogs/dialog_text.h"

#include <charconv>
#include <climits>
#include <cmath>

namespace zoquel {

namespace {

std::string_view number_start(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r' ||
                               text[i] == '\f' || text[i] == '\v'))
        ++i;
    text.remove_prefix(i);
    // from_chars takes a '-' but not a '+'; "+-1" must stay no number.
    if (!text.empty() && text[0] == '+' && (text.size() < 2 || text[1] != '-')) text.remove_prefix(1);
    return text;
}

}  // namespace

double read_real(std::string_view text) {
    text = number_start(text);
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc::invalid_argument) return 0;
    if (ec == std::errc::result_out_of_range) {
        // Either too large or too small; an exponent with a minus sign means too small.
        std::string_view digits(text.data(), std::size_t(end - text.data()));
        auto e = digits.find_first_of("eE");
        bool tiny = e != std::string_view::npos && e + 1 < digits.size() && digits[e + 1] == '-';
        if (tiny) return 0;
        return !text.empty() && text[0] == '-' ? -HUGE_VAL : HUGE_VAL;
    }
    if (std::isnan(value)) return 0;
    return value;
}

long read_integer(std::string_view text) {
    text = number_start(text);
    long value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 10);
    (void)end;
    if (ec == std::errc::invalid_argument) return 0;
    if (ec == std::errc::result_out_of_range) return !text.empty() && text[0] == '-' ? LONG_MIN : LONG_MAX;
    return value;
}

std::string format_fixed(double value, int decimals) {
    char buffer[400];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (ec != std::errc()) return "0";
    return std::string(buffer, end);
}

std::string format_integer(long value) { return std::to_string(value); }

}  // namespace zoquel
