#pragma once
#include <cstdint>

namespace zoquel {

// A colour as the palette stores it: red, green, blue bytes.
struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Surfaces hold 0xFFRRGGBB so a front end can show them without conversion.
using Pixel = std::uint32_t;

constexpr Pixel pack(int r, int g, int b) {
    return 0xFF000000u | (std::uint32_t(r & 0xFF) << 16) | (std::uint32_t(g & 0xFF) << 8) | std::uint32_t(b & 0xFF);
}
constexpr Pixel pack(Rgb c) { return pack(c.r, c.g, c.b); }
constexpr Rgb unpack(Pixel p) {
    return Rgb{std::uint8_t(p >> 16), std::uint8_t(p >> 8), std::uint8_t(p)};
}

constexpr Pixel kBlack = pack(0, 0, 0);
constexpr Pixel kWhite = pack(255, 255, 255);
// The standard grey brush of the platform the program was first written for.
constexpr Pixel kStockGrey = pack(128, 128, 128);

}  // namespace zoquel
