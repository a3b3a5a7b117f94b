#include "model/number_text.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace zoquel {

namespace {

// Blanks around a number are allowed, as the dialogs allow them; anything else after it is not.
bool only_blanks(const char* p) {
    while (*p == ' ' || *p == '\t') ++p;
    return *p == '\0';
}

}  // namespace

bool parse_int(const std::string& text, int& out) {
    if (text.empty()) return false;
    errno = 0;
    char* end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || end == text.c_str() || !only_blanks(end) || v < -2147483647L - 1 || v > 2147483647L) return false;
    out = int(v);
    return true;
}

bool parse_real(const std::string& text, double& out) {
    if (text.empty()) return false;
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (end == text.c_str() || !only_blanks(end) || !std::isfinite(v)) return false;
    out = v;
    return true;
}

}  // namespace zoquel
