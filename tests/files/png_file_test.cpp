#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "files/png_file.h"

namespace zoquel {
namespace {

std::string png_of(const std::string& parameters) {
    Surface image(8, 4, pack(10, 20, 30));
    const std::vector<std::uint8_t> bytes = encode_png(image, parameters);
    return std::string(bytes.begin(), bytes.end());
}

// The chunk of `type` in a PNG: where its length field starts and its whole size.
std::pair<std::size_t, std::size_t> chunk(const std::string& png, const char* type) {
    const std::size_t at = png.find(type) - 4;
    const auto byte = [&](std::size_t i) { return std::size_t(std::uint8_t(png[at + i])); };
    return {at, (byte(0) << 24 | byte(1) << 16 | byte(2) << 8 | byte(3)) + 12};
}

TEST(PngParameters, FoundWhereverAnEditorPutsThemAndRefusedWhenAbsentOrLying) {
    const std::string text = "zoquel-parameters 1\nmaxiter = 77\n";
    std::string png = png_of(text);
    EXPECT_EQ(std::get<std::string>(read_png_parameters(png)), text);

    // Moved after the image data, as some editors write text chunks.
    const auto [at, size] = chunk(png, "iTXt");
    std::string moved = png;
    const std::string itxt = moved.substr(at, size);
    moved.erase(at, size);
    moved.insert(chunk(moved, "IEND").first, itxt);
    EXPECT_EQ(std::get<std::string>(read_png_parameters(moved)), text);

    const std::string bare = png_of("");
    EXPECT_NE(std::get<PngParametersError>(read_png_parameters(bare)).reason.find("holds no Zoquel parameters"),
              std::string::npos);
    // A chunk claiming far more bytes than the file holds is refused before anything is
    // allocated for it.
    std::string lying = png;
    lying[at] = char(0x2b);
    EXPECT_EQ(std::get<PngParametersError>(read_png_parameters(lying)).reason, "not a readable PNG image");
    EXPECT_EQ(std::get<PngParametersError>(read_png_parameters(png.substr(0, 40))).reason, "not a readable PNG image");
    EXPECT_EQ(std::get<PngParametersError>(read_png_parameters("GIF89a")).reason, "not a PNG image");
}

}  // namespace
}  // namespace zoquel
