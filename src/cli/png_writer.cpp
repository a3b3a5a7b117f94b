#include "cli/png_writer.h"

#include <png.h>

#include <csetjmp>
#include <cstdint>
#include <vector>

#include "files/safe_file.h"

namespace zoquel::cli {

namespace {

void append(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void no_flush(png_structp) {}

// Encodes into memory; libpng reports errors by longjmp, so no C++ objects live in this frame
// across the jump other than what the caller owns.
bool encode(const Surface& image, std::vector<std::uint8_t>& out, std::vector<std::uint8_t>& row) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &out, append, no_flush);
    png_set_IHDR(png, info, png_uint_32(image.width()), png_uint_32(image.height()), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < image.height(); ++y) {
        const Pixel* in = image.row(y);
        for (int x = 0; x < image.width(); ++x) {
            Rgb c = unpack(in[x]);
            row[std::size_t(3 * x)] = c.r;
            row[std::size_t(3 * x + 1)] = c.g;
            row[std::size_t(3 * x + 2)] = c.b;
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

bool write_png(const Surface& image, const std::string& path) {
    std::vector<std::uint8_t> bytes, row(std::size_t(image.width()) * 3);
    if (!encode(image, bytes, row)) return false;
    SafeFileWriter file;
    return file.open(path) && file.write(bytes.data(), bytes.size()) && file.commit();
}

}  // namespace zoquel::cli
