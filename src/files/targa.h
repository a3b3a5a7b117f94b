#pragma once
#include <string>

#include "platform/surface.h"

namespace zoquel {

// Results of writetga; saveerror(result) gives the message of a failure.
enum TargaResult { kTargaOk = 0, kTargaOpenFailed = 1, kTargaNoMemory = 2, kTargaWriteFailed = 3 };

// Writes the image as an uncompressed 24-bit TGA 2.0 file, top row first, with the footer.
int writetga(const Surface& image, const std::string& path);

// The texts of the save errors 1..3.
const char* saveerror(int result);

constexpr int kTargaHeaderSize = 18, kTargaFooterSize = 26;

}  // namespace zoquel
