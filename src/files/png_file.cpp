#include "files/png_file.h"

#include <png.h>

#include <cerrno>
#include <csetjmp>
#include <cstdint>
#include <cstring>
#include <vector>

#include "files/safe_file.h"
#include "files/targa.h"

namespace zoquel {

namespace {

constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};

// A file that is not a sound PNG is a refusal, reported by the caller, not a line on stderr.
[[noreturn]] void quiet_error(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void quiet_warning(png_structp, png_const_charp) {}

void append(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void no_flush(png_structp) {}

// Encodes into memory; libpng reports errors by longjmp, so no C++ objects live in this frame
// across the jump other than what the caller owns.
bool encode(const Surface& image, std::string_view parameters, std::vector<std::uint8_t>& out,
            std::vector<std::uint8_t>& row, std::string& text) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, quiet_error, quiet_warning);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &out, append, no_flush);
    png_set_IHDR(png, info, png_uint_32(image.width()), png_uint_32(image.height()), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_text chunk{};
    if (!parameters.empty()) {
        text.assign(parameters);
        chunk.compression = PNG_ITXT_COMPRESSION_NONE;
        chunk.key = const_cast<char*>(kPngParametersKeyword);
        chunk.text = text.data();
        chunk.itxt_length = text.size();
        png_set_text(png, info, &chunk, 1);
    }
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

struct MemoryReader {
    std::string_view bytes;
    std::size_t at = 0;
};

void read_memory(png_structp png, png_bytep data, png_size_t length) {
    auto* in = static_cast<MemoryReader*>(png_get_io_ptr(png));
    if (length > in->bytes.size() - in->at) png_error(png, "truncated");
    std::memcpy(data, in->bytes.data() + in->at, length);
    in->at += length;
}

// Some writers move text chunks after the image data, so the whole file is read; the limits
// keep a hostile file from asking for more memory than a poster-sized image would.
bool decode_text(MemoryReader& in, std::string& found, bool& present, std::vector<std::uint8_t>& row) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, quiet_error, quiet_warning);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, &in, read_memory);
    png_set_user_limits(png, 1u << 15, 1u << 15);
    png_set_chunk_malloc_max(png, 8u << 20);
    png_read_info(png, info);
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    row.resize(png_get_rowbytes(png, info));
    for (int pass = 0; pass < passes; ++pass)
        for (png_uint_32 y = 0; y < png_get_image_height(png, info); ++y) png_read_row(png, row.data(), nullptr);
    png_read_end(png, info);
    png_textp texts = nullptr;
    const int count = png_get_text(png, info, &texts, nullptr);
    for (int i = 0; i < count; ++i) {
        if (std::strcmp(texts[i].key, kPngParametersKeyword) != 0) continue;
        const std::size_t length = texts[i].compression >= PNG_ITXT_COMPRESSION_NONE ? texts[i].itxt_length
                                                                                      : texts[i].text_length;
        found.assign(texts[i].text, length);
        present = true;
    }
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

// Whether every chunk's stated length lies within the bytes there are. libpng sizes some
// buffers by the stated length before reading, so a lying length in a few bytes of input
// would cost gigabytes.
bool chunks_fit(std::string_view bytes) {
    std::size_t at = sizeof kSignature;
    while (bytes.size() - at >= 8) {
        const auto byte = [&](std::size_t i) { return std::uint32_t(std::uint8_t(bytes[at + i])); };
        const std::uint32_t length = byte(0) << 24 | byte(1) << 16 | byte(2) << 8 | byte(3);
        if (length > bytes.size() - at - 8) return false;
        if (bytes.substr(at + 4, 4) == "IEND") return true;
        at += std::size_t(length) + 12;
        if (at > bytes.size()) return false;
    }
    return true;
}

}  // namespace

std::vector<std::uint8_t> encode_png(const Surface& image, std::string_view parameters) {
    std::vector<std::uint8_t> bytes, row(std::size_t(image.width()) * 3);
    std::string text;
    if (!encode(image, parameters, bytes, row, text)) return {};
    return bytes;
}

int write_png(const Surface& image, const std::string& path, std::string_view parameters) {
    const std::vector<std::uint8_t> bytes = encode_png(image, parameters);
    if (bytes.empty()) {
        errno = ENOMEM;
        return kTargaNoMemory;
    }
    SafeFileWriter file;
    if (!file.open(path)) return kTargaOpenFailed;
    return file.write(bytes.data(), bytes.size()) && file.commit() ? kTargaOk : kTargaWriteFailed;
}

bool starts_like_png(std::string_view first_bytes) {
    return first_bytes.size() >= sizeof kSignature &&
           std::memcmp(first_bytes.data(), kSignature, sizeof kSignature) == 0;
}

std::variant<std::string, PngParametersError> read_png_parameters(std::string_view bytes) {
    if (!starts_like_png(bytes)) return PngParametersError{"not a PNG image"};
    if (!chunks_fit(bytes)) return PngParametersError{"not a readable PNG image"};
    MemoryReader in{bytes};
    std::string found;
    bool present = false;
    std::vector<std::uint8_t> row;
    if (!decode_text(in, found, present, row)) return PngParametersError{"not a readable PNG image"};
    if (!present) return PngParametersError{"the PNG image holds no Zoquel parameters"};
    return found;
}

}  // namespace zoquel
