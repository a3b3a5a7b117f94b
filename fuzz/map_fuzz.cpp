// Any bytes as a palette map, read from memory and from a file: both readers must agree and
// never touch more than the 256 entries.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "files/map_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zoquel;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Palette from_text{};
    const int text_result = read_map_text(text, from_text);

    static const std::string path = "/tmp/zoquel-fuzz-map-" + std::to_string(::getpid()) + ".map";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return 0;
    const bool written = std::fwrite(data, 1, size, f) == size;
    std::fclose(f);
    if (!written) return 0;
    Palette from_file{};
    const int file_result = OpenMapFile(path, from_file);
    // The file reader keeps the first 4096 characters of a line; shorter inputs must agree.
    if (size <= 4096 && (file_result != text_result || (text_result == kMapOk && from_file != from_text)))
        std::abort();
    return 0;
}
