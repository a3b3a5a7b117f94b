#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "model/settings.h"

namespace zoquel {

// A parameter file may be a binary record, a text parameter file or a PNG image carrying text
// parameters; which one is told by its content, never by its name.
enum class ParameterFileKind { binary, text, png };

ParameterFileKind parameter_file_kind(std::string_view first_bytes);

// Why a parameter file was refused: its kind and the reason in words ("line 3: maxiter: ...",
// "not a record of 1105 bytes", "the PNG image holds no Zoquel parameters").
struct ParameterLoadError {
    ParameterFileKind kind = ParameterFileKind::binary;
    std::string reason;
};

// Loads the file's bytes into `s`, all or nothing: on a refusal `s` is unchanged.
std::optional<ParameterLoadError> load_parameter_bytes(std::string_view bytes, Settings& s);
// The same for a file on disk; anything but a regular file is refused without reading it.
std::optional<ParameterLoadError> load_parameter_file(const std::string& path, Settings& s);

}  // namespace zoquel
