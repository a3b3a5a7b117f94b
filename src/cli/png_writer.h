#pragma once
#include <string>

#include "platform/surface.h"

namespace zoquel::cli {

// Writes the image as an 8-bit RGB PNG; false on any failure, leaving an old file intact.
bool write_png(const Surface& image, const std::string& path);

}  // namespace zoquel::cli
