#include "files/text_parameters.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <span>
#include <vector>

#include "deep/deep_view_math.h"
#include "files/parameter_checks.h"
#include "files/regular_file.h"
#include "files/parameter_file.h"
#include "files/safe_file.h"
#include "files/text_parameter_fields.h"
#include "model/number_text.h"

namespace zoquel {

namespace {

constexpr std::string_view kBlanks = " \t\r\v\f";
// Some editors begin a UTF-8 text with one.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// A written file has about 8 KiB: a megabyte is a wrong path or a device, not parameters.
constexpr std::size_t kLargestFile = std::size_t(1) << 20;
constexpr std::string_view kPaletteName = "palette";
// The deep view's lines: its centre and width as decimal texts, and its longer iteration limit.
constexpr std::string_view kDeepRe = "deep_re", kDeepIm = "deep_im", kDeepWidth = "deep_width",
                           kDeepMaxiter = "deep_maxiter";
constexpr std::size_t npos = std::string_view::npos;

std::string_view trim(std::string_view t) {
    const std::size_t first = t.find_first_not_of(kBlanks);
    if (first == npos) return {};
    return t.substr(first, t.find_last_not_of(kBlanks) - first + 1);
}

std::string_view without_byte_order_mark(std::string_view t) {
    if (t.starts_with(kByteOrderMark)) t.remove_prefix(kByteOrderMark.size());
    return t;
}

std::string expected_header() {
    return std::string(kTextParametersMagic) + " " + std::to_string(kTextParametersVersion);
}

std::optional<TextParameterError> header_refusal(std::string_view first_line) {
    const std::string_view header = trim(first_line.substr(0, first_line.find('#')));
    const std::size_t gap = std::min(header.find_first_of(kBlanks), header.size());
    const std::string version(trim(header.substr(gap)));
    if (header.substr(0, gap) != kTextParametersMagic || version.empty())
        return TextParameterError{1, "not a text parameter file: the first line must be '" + expected_header() + "'"};
    int number = 0;
    if (!parse_int(version, number) || number != kTextParametersVersion)
        return TextParameterError{1, "version '" + version + "' is not supported: this program reads '" +
                                         expected_header() + "'"};
    return std::nullopt;
}

// A line without its comment, split at its first '='.
struct Line {
    bool blank = false, assignment = false;
    std::string_view name, value;
};

Line split_line(std::string_view raw) {
    Line line;
    const std::size_t hash = raw.find('#'), equals = raw.find('=');
    if (equals == npos || hash < equals) {
        line.blank = trim(raw.substr(0, hash)).empty();
        return line;
    }
    line.assignment = true;
    line.name = trim(raw.substr(0, equals));
    std::string_view value = raw.substr(equals + 1);
    value.remove_prefix(std::min(value.find_first_not_of(kBlanks), value.size()));
    // A '#' that begins the value is a colour's, any later one a comment's.
    line.value = trim(value.substr(0, value.find('#', 1)));
    return line;
}

std::string colour_text(Rgb c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c.r, c.g, c.b);
    return text;
}

bool parse_colour(std::string_view text, Rgb& out) {
    if (text.size() != 7 || text[0] != '#') return false;
    unsigned rgb = 0;
    const auto [end, ec] = std::from_chars(text.data() + 1, text.data() + text.size(), rgb, 16);
    if (ec != std::errc() || end != text.data() + text.size()) return false;
    out = Rgb{std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb)};
    return true;
}

// The names whose lines a failed check concerns, most specific first: a method, view or
// parameters may fail because the file chose another type.
struct CheckSources {
    std::string_view field;
    std::array<std::string_view, 6> names;
};
const CheckSources kCheckSources[] = {
    {"method", {"method", "ftype"}},
    {"xyminmax", {"xmin", "xmax", "ymin", "ymax", "ftype", "method"}},
    {"maxsize", {"maxsize", "ftype"}},
    {"jcx..p2", {"jcx", "jcy", "p0", "p1", "p2", "ftype"}},
    {"aden", {"aden", "anum"}},
    {"pgmx0/pgmy0", {"pgmx0", "pgmy0", "pgmindex"}},
    {"length", {"ustring"}},
};

struct Assignment {
    const TextField* field;
    std::string value;
    int line;
};

}  // namespace

std::string write_text_parameters(const Settings& given) {
    std::string out = expected_header() + "\n# One 'name = value' per line in any order; '#' begins a comment.\n";
    // maxiter keeps the dialog's range; a deep view's longer limit has a line of its own.
    Settings s = given;
    s.maxiter = std::min(s.maxiter, kDialogMaxIterations);
    for (const TextField& f : text_fields()) {
        if (!f.available(s)) continue;
        if (f.heading) out += std::string("\n# ") + f.heading + "\n";
        out += std::string(f.name) + " = " + f.text(s) + "\n";
    }
    if (const DeepView* deep = active_deep_view(given)) {
        out += "\n# Deep view: the centre and width, exactly; xmin .. ymax above are its nearest doubles\n";
        out += std::string(kDeepRe) + " = " + deep->re + "\n";
        out += std::string(kDeepIm) + " = " + deep->im + "\n";
        out += std::string(kDeepWidth) + " = " + deep->width + "\n";
        if (given.maxiter > kDialogMaxIterations)
            out += std::string(kDeepMaxiter) + " = " + std::to_string(given.maxiter) + "\n";
    }
    out += "\n# Palette: 256 entries, entry 0 first\n";
    for (const Rgb& c : s.palette) out += std::string(kPaletteName) + " = " + colour_text(c) + "\n";
    return out;
}

std::string TextParameterError::message() const {
    return line > 0 ? "line " + std::to_string(line) + ": " + reason : reason;
}

std::variant<Settings, TextParameterError> read_text_parameters(std::string_view text, const Settings& base) {
    text = without_byte_order_mark(text);
    const std::span<const TextField> fields = text_fields();
    std::vector<int> set_on(fields.size(), 0);  // the line of each field, 0 where left out
    std::vector<Assignment> assignments;
    Palette palette{};
    std::size_t colours = 0;
    struct DeepLine {
        std::string value;
        int line = 0;
    };
    DeepLine deep_re, deep_im, deep_width, deep_maxiter;
    int last_colour_line = 0;

    int number = 0;
    for (std::size_t at = 0; at <= text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const std::string_view raw = text.substr(at, end - at);
        at = end + 1;
        ++number;
        if (number == 1) {
            if (auto refusal = header_refusal(raw)) return *refusal;
            continue;
        }
        const Line line = split_line(raw);
        if (line.blank) continue;
        auto refuse = [number](std::string reason) { return TextParameterError{number, std::move(reason)}; };
        const std::string name(line.name), value(line.value);
        if (!line.assignment || name.empty()) return refuse("expected 'name = value'");
        if (value.empty()) return refuse(name + ": no value");
        if (name == kPaletteName) {
            if (colours == palette.size()) return refuse("palette: more than " + std::to_string(palette.size()) + " entries");
            if (!parse_colour(value, palette[colours])) return refuse("palette: '" + value + "' is not a colour #rrggbb");
            ++colours;
            last_colour_line = number;
            continue;
        }
        if (DeepLine* d = name == kDeepRe      ? &deep_re
                          : name == kDeepIm    ? &deep_im
                          : name == kDeepWidth ? &deep_width
                          : name == kDeepMaxiter ? &deep_maxiter
                                                 : nullptr) {
            if (d->line) return refuse(name + ": already set on line " + std::to_string(d->line));
            *d = DeepLine{value, number};
            continue;
        }
        const TextField* field = find_text_field(name);
        if (!field) return refuse("unknown setting '" + name + "'");
        int& first_set = set_on[std::size_t(field - fields.data())];
        if (first_set) return refuse(name + ": already set on line " + std::to_string(first_set));
        first_set = number;
        assignments.push_back({field, value, number});
    }
    if (colours != 0 && colours != palette.size())
        return TextParameterError{last_colour_line, "palette: " + std::to_string(colours) + " entries; a palette has " +
                                                        std::to_string(palette.size())};

    // The type, method and PGM formula first, so that what they select receives the rest.
    std::stable_sort(assignments.begin(), assignments.end(),
                     [](const Assignment& a, const Assignment& b) { return a.field->stage < b.field->stage; });
    Settings s = base;
    for (const Assignment& a : assignments)
        if (std::string refusal = a.field->store(s, a.value); !refusal.empty()) return TextParameterError{a.line, refusal};
    if (colours) s.palette = palette;

    // A deep view replaces the view's doubles, which may lie closer together than the check
    // allows, and may bring a longer iteration limit.
    std::optional<DeepView> deep;
    if (deep_re.line || deep_im.line || deep_width.line) {
        for (const DeepLine* d : {&deep_re, &deep_im, &deep_width})
            if (!d->line)
                return TextParameterError{std::max({deep_re.line, deep_im.line, deep_width.line}),
                                          "a deep view needs deep_re, deep_im and deep_width"};
        for (const DeepLine* d : {&deep_re, &deep_im, &deep_width})
            if (!deep::is_decimal(d->value))
                return TextParameterError{d->line, "'" + d->value + "' is not a decimal number"};
        auto made = deep::deep_view_from_texts(s.ftype, s.method, deep_re.value, deep_im.value, deep_width.value,
                                               s.xres, s.yres);
        if (auto* refusal = std::get_if<std::string>(&made))
            return TextParameterError{deep_width.line, "deep view: " + *refusal};
        deep = std::move(std::get<DeepView>(made));
    }
    if (deep_maxiter.line) {
        int n = 0;
        if (!deep || !parse_int(deep_maxiter.value, n) || n < 1 || n > kDeepMaxIterations)
            return TextParameterError{deep_maxiter.line, "deep_maxiter: iteration range of a deep view: 1 - " +
                                                             std::to_string(kDeepMaxIterations)};
        s.maxiter = n;
    }
    if (deep) s.view() = deep->corners;
    s.deep = deep;

    if (const char* failed = first_failed_parameter_check(s)) {
        auto line_of = [&](std::string_view name) {
            const TextField* f = find_text_field(name);
            return f ? set_on[std::size_t(f - fields.data())] : 0;
        };
        int line = line_of(failed);
        for (const CheckSources& c : kCheckSources)
            if (c.field == failed)
                for (std::string_view name : c.names)
                    if (!line && !name.empty()) line = line_of(name);
        return TextParameterError{line, std::string(failed) + ": " + parameter_check_refusal(failed)};
    }
    return s;
}

int save_text_parameters(const Settings& s, const std::string& path) {
    const std::string text = write_text_parameters(s);
    SafeFileWriter file;
    if (!file.open(path)) return kZqOpenFailed;
    if (!file.write(text.data(), text.size()) || !file.commit()) return kZqWriteFailed;
    return kZqOk;
}

std::optional<TextParameterError> load_text_parameters(const std::string& path, Settings& s) {
    std::FILE* f = open_regular_file(path);
    if (!f) return TextParameterError{0, "cannot be opened: " + open_failure_reason(errno)};
    // One byte more than the largest file, so that a larger one is seen as such.
    std::string text(kLargestFile + 1, '\0');
    const std::size_t got = std::fread(text.data(), 1, text.size(), f);
    const bool read_error = std::ferror(f) != 0;
    std::fclose(f);
    if (read_error) return TextParameterError{0, "cannot be read"};
    if (got > kLargestFile) return TextParameterError{0, "larger than any parameter file"};
    text.resize(got);
    std::variant<Settings, TextParameterError> loaded = read_text_parameters(text, s);
    if (auto* refusal = std::get_if<TextParameterError>(&loaded)) return std::move(*refusal);
    s = std::move(std::get<Settings>(loaded));
    return std::nullopt;
}

bool starts_like_text_parameters(std::string_view first_bytes) {
    return without_byte_order_mark(first_bytes).starts_with(kTextParametersMagic);
}

bool is_text_parameter_file(const std::string& path) {
    std::FILE* f = open_regular_file(path);
    if (!f) return false;
    char head[kByteOrderMark.size() + kTextParametersMagic.size()];
    const std::size_t got = std::fread(head, 1, sizeof head, f);
    std::fclose(f);
    return starts_like_text_parameters(std::string_view(head, got));
}

}  // namespace zoquel
