#include "files/parameter_sources.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <variant>

#include "files/parameter_file.h"
#include "files/png_file.h"
#include "files/regular_file.h"
#include "files/text_parameters.h"

namespace zoquel {

namespace {

// Larger than any picture a parameter file could come with; beyond it a file is refused
// rather than read into memory.
constexpr std::size_t kLargestParameterSource = std::size_t(512) << 20;

std::string binary_refusal(const std::string& why) {
    if (why == "size") return "not a record of " + std::to_string(kZqRecordSize) + " bytes";
    return why + " out of range";
}

std::optional<ParameterLoadError> load_text(std::string_view text, ParameterFileKind kind, Settings& s) {
    std::variant<Settings, TextParameterError> loaded = read_text_parameters(text, s);
    if (auto* refusal = std::get_if<TextParameterError>(&loaded)) return ParameterLoadError{kind, refusal->message()};
    s = std::move(std::get<Settings>(loaded));
    return std::nullopt;
}

}  // namespace

ParameterFileKind parameter_file_kind(std::string_view first_bytes) {
    if (starts_like_png(first_bytes)) return ParameterFileKind::png;
    if (starts_like_text_parameters(first_bytes)) return ParameterFileKind::text;
    return ParameterFileKind::binary;
}

std::optional<ParameterLoadError> load_parameter_bytes(std::string_view bytes, Settings& s) {
    switch (parameter_file_kind(bytes)) {
        case ParameterFileKind::png: {
            std::variant<std::string, PngParametersError> text = read_png_parameters(bytes);
            if (auto* refusal = std::get_if<PngParametersError>(&text))
                return ParameterLoadError{ParameterFileKind::png, refusal->reason};
            return load_text(std::get<std::string>(text), ParameterFileKind::png, s);
        }
        case ParameterFileKind::text: return load_text(bytes, ParameterFileKind::text, s);
        case ParameterFileKind::binary: break;
    }
    std::string why;
    std::optional<Settings> loaded =
        decode_zq(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), s, &why);
    if (!loaded) return ParameterLoadError{ParameterFileKind::binary, binary_refusal(why)};
    s = std::move(*loaded);
    return std::nullopt;
}

std::optional<ParameterLoadError> load_parameter_file(const std::string& path, Settings& s) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(open_regular_file(path), std::fclose);
    if (!file) return ParameterLoadError{ParameterFileKind::binary, open_failure_reason(errno)};
    std::string bytes;
    char buffer[1 << 16];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0;) {
        bytes.append(buffer, n);
        if (bytes.size() > kLargestParameterSource)
            return ParameterLoadError{parameter_file_kind(bytes), "larger than any parameter file"};
    }
    if (std::ferror(file.get())) return ParameterLoadError{parameter_file_kind(bytes), "read error"};
    return load_parameter_bytes(bytes, s);
}

}  // namespace zoquel
