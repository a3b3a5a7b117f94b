#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/surface.h"

namespace zoquel {

// PNG images that remember how they were made: the text parameters of the image ride along in
// an iTXt chunk with this keyword (uncompressed, before the image data), so a picture found
// on the web can be rendered again at any size.
constexpr const char* kPngParametersKeyword = "zoquel-parameters";

// The image as the bytes of an 8-bit RGB PNG, with `parameters` when not empty; empty when
// libpng fails.
std::vector<std::uint8_t> encode_png(const Surface& image, std::string_view parameters = {});

// Writes the image as an 8-bit RGB PNG, with `parameters` (text parameters) when not empty.
// Returns what writetga returns (kTargaOk, or the failure, with errno telling why), so both
// image formats share their messages; any old file is left intact.
int write_png(const Surface& image, const std::string& path, std::string_view parameters = {});

// Whether a file beginning with these bytes is a PNG.
bool starts_like_png(std::string_view first_bytes);

// Why the parameters of a PNG could not be read.
struct PngParametersError {
    std::string reason;
};

// The text parameters a PNG file's bytes carry, or why there are none.
std::variant<std::string, PngParametersError> read_png_parameters(std::string_view bytes);

}  // namespace zoquel
