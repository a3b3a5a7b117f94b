#include "files/targa.h"

#include <cstdint>
#include <new>
#include <vector>

#include "files/safe_file.h"

namespace zoquel {

namespace {

void put16(std::uint8_t* at, int value) {
    at[0] = std::uint8_t(value & 0xFF);
    at[1] = std::uint8_t((value >> 8) & 0xFF);
}

}  // namespace

const char* saveerror(int result) {
    switch (result) {
        case 1: return "Error opening a save file.";
        case 2: return "Not enough memory to buffer image lines.";
        case 3: return "Error writing to save file.";
        default: return "";
    }
}

int writetga(const Surface& image, const std::string& path) {
    SafeFileWriter file;
    if (!file.open(path)) return kTargaOpenFailed;

    std::uint8_t header[kTargaHeaderSize] = {};
    header[2] = 2;  // uncompressed true colour
    put16(header + 12, image.width());
    put16(header + 14, image.height());
    header[16] = 24;
    header[17] = 0x20;  // origin at the top left

    std::uint8_t footer[kTargaFooterSize] = {};
    const char signature[] = "TRUEVISION-XFILE.";
    for (int i = 0; i < 18; ++i) footer[8 + i] = std::uint8_t(signature[i]);

    std::vector<std::uint8_t> line;
    try {
        line.assign(std::size_t(image.width()) * 3, 0);
    } catch (const std::bad_alloc&) {
        return kTargaNoMemory;
    }
    if (!file.write(header, sizeof header)) return kTargaWriteFailed;
    for (int y = 0; y < image.height(); ++y) {
        const Pixel* row = image.row(y);
        for (int x = 0; x < image.width(); ++x) {
            const Rgb c = unpack(row[x]);
            line[std::size_t(3 * x)] = c.b;
            line[std::size_t(3 * x + 1)] = c.g;
            line[std::size_t(3 * x + 2)] = c.r;
        }
        if (!file.write(line.data(), line.size())) return kTargaWriteFailed;
    }
    if (!file.write(footer, sizeof footer)) return kTargaWriteFailed;
    return file.commit() ? kTargaOk : kTargaWriteFailed;
}

}  // namespace zoquel
