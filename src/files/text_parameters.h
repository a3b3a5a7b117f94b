#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "model/settings.h"

namespace zoquel {

// The text parameter file (.zqt): what the binary record stores, plus the image size and the
// options the record lacks, as lines a person can read, compare and edit.
//
//   zoquel-parameters 1            the first line: the format and its version
//   ftype = 0  # Mandelbrot ...    then one `name = value` per line, in any order
//   xmin = -2.25
//   palette = #ff8000              256 of these in order, entry 0 first; all or none
//
// The names: ftype, method, xres, yres; xmin, xmax, ymin, ymax (the view of that type and
// method); maxsize, jcx, jcy, p0, p1, p2 (that type's parameters); every name of the named-
// settings table (what `zoquel-render --set` takes); aden; ustring (the Lyapunov sequence);
// pgmx0, pgmy0 (the start point of PGM formula pgmindex). Blank lines are ignored; '#' begins
// a comment anywhere except as the first character of a value, where it begins a colour.
// Reals are written in their shortest form that reads back exactly, in C notation. Values a
// file leaves out keep those of the settings it is read over.
constexpr std::string_view kTextParametersMagic = "zoquel-parameters";
constexpr int kTextParametersVersion = 1;

// The text of `s` as a file; reading it back over any settings restores everything it holds.
std::string write_text_parameters(const Settings& s);

// Why a text parameter file was refused. Line 0 stands for the file as a whole.
struct TextParameterError {
    int line = 0;
    std::string reason;
    // "line 12: maxiter: iteration range: 1 - 16384", or the reason alone for line 0.
    std::string message() const;
};

// The settings `text` turns `base` into, or why it is refused. Whatever is accepted passes the
// same checks as a binary parameter file.
std::variant<Settings, TextParameterError> read_text_parameters(std::string_view text, const Settings& base);

// Writes beside `path` and renames into place, so a failure leaves any old file untouched.
// Returns kZqOk, kZqOpenFailed or kZqWriteFailed, as writezq does, so both share their texts.
int save_text_parameters(const Settings& s, const std::string& path);

// Loads `path` into `s`, all or nothing: on a refusal `s` is unchanged.
std::optional<TextParameterError> load_text_parameters(const std::string& path, Settings& s);

// Whether a file beginning with these bytes is a text parameter file rather than a binary
// record (whose first four bytes, read as its type, would be far out of range), so that one
// path can hold either.
bool starts_like_text_parameters(std::string_view first_bytes);
// The same for a file on disk; false when it cannot be read, so the binary loader reports why.
bool is_text_parameter_file(const std::string& path);

}  // namespace zoquel
