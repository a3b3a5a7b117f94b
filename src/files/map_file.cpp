#include "files/map_file.h"

#include <cstdint>
#include <cstdio>

#include "files/regular_file.h"

namespace zoquel {

namespace {

bool blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }
bool digit(char c) { return c >= '0' && c <= '9'; }

// Reads an optionally signed decimal integer after any blanks, as a scanf "%d" does, keeping
// only its low 8 bits, which stay exact however long the number is.
bool scan_low_byte(std::string_view line, std::size_t& at, std::uint8_t& out) {
    while (at < line.size() && blank(line[at])) ++at;
    bool negative = false;
    if (at < line.size() && (line[at] == '+' || line[at] == '-')) negative = line[at++] == '-';
    if (at >= line.size() || !digit(line[at])) return false;
    unsigned low = 0;
    while (at < line.size() && digit(line[at])) low = (low * 10 + unsigned(line[at++] - '0')) & 0xFFu;
    out = std::uint8_t(negative ? (256u - low) & 0xFFu : low);
    return true;
}

bool parse_entry(std::string_view line, Rgb& entry) {
    std::size_t at = 0;
    return scan_low_byte(line, at, entry.r) && scan_low_byte(line, at, entry.g) && scan_low_byte(line, at, entry.b);
}

bool only_blank_lines(std::string_view rest) {
    for (char c : rest)
        if (!blank(c) && c != '\n') return false;
    return true;
}

// The read shared by files and texts. `next_line` yields the next line without its newline
// and returns false at the end; `rest_blank` tells whether nothing but blanks follows.
template <class NextLine, class RestBlank>
int read_map(Palette& paltemp, NextLine next_line, RestBlank rest_blank) {
    std::size_t i = 0;
    std::string_view line;
    while (i < paltemp.size() && next_line(line)) {
        if (!parse_entry(line, paltemp[i])) {
            // Trailing blank lines end the file; anything else is a malformed map.
            if (only_blank_lines(line) && rest_blank()) break;
            return kMapFailed;
        }
        ++i;
    }
    for (; i < paltemp.size(); ++i) paltemp[i] = Rgb{0, 0, 0};
    return kMapOk;
}

}  // namespace

int read_map_text(std::string_view text, Palette& paltemp) {
    std::size_t at = 0;
    auto next_line = [&](std::string_view& line) {
        if (at >= text.size()) return false;
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos) end = text.size();
        line = text.substr(at, end - at);
        at = end + 1;
        return true;
    };
    auto rest_blank = [&] { return at >= text.size() || only_blank_lines(text.substr(at)); };
    return read_map(paltemp, next_line, rest_blank);
}

int OpenMapFile(const std::string& path, Palette& paltemp) {
    std::FILE* f = open_regular_file(path);
    if (!f) return kMapFailed;
    // Lines are read whole whatever their length; beyond its first few thousand characters
    // a line can hold nothing but the ignored comment, so only that much is kept.
    // No palette map holds a line of a megabyte: a device or endless file is refused rather
    // than read forever.
    constexpr std::size_t kKept = 4096, kLongest = 1 << 20;
    std::string buffer;
    bool error = false;
    auto next_line = [&](std::string_view& line) {
        buffer.clear();
        int c;
        bool any = false;
        std::size_t length = 0;
        while ((c = std::fgetc(f)) != EOF) {
            any = true;
            if (c == '\n') break;
            if (buffer.size() < kKept) buffer += char(c);
            if (++length > kLongest) {
                error = true;
                break;
            }
        }
        if (std::ferror(f)) error = true;
        line = buffer;
        return any && !error;
    };
    auto rest_blank = [&] {
        int c;
        std::size_t read = 0;
        while ((c = std::fgetc(f)) != EOF)
            if ((!blank(char(c)) && c != '\n') || ++read > kLongest) return false;
        return !std::ferror(f);
    };
    int result = read_map(paltemp, next_line, rest_blank);
    std::fclose(f);
    return error ? kMapFailed : result;
}

}  // namespace zoquel
