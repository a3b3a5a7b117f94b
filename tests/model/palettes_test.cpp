#include <gtest/gtest.h>

#include "render/palette_preview.h"
#include "model/palettes.h"

namespace zoquel {
namespace {

Rgb rgb(int r, int g, int b) { return Rgb{std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)}; }

TEST(Palettes, DefaultRampsAndMirror) {
    const Palette& p = default_palette();
    EXPECT_EQ(p[0], rgb(0, 0, 15));
    EXPECT_EQ(p[15], rgb(0, 0, 255));
    EXPECT_EQ(p[16], rgb(0, 15, 255));
    EXPECT_EQ(p[40], rgb(0, 255, 255 - 16 * 8));
    EXPECT_EQ(p[64], rgb(255, 255, 15));
    EXPECT_EQ(p[80], rgb(195, 135, 15));
    EXPECT_EQ(p[127], rgb(255, 255, 255));
    for (int k = 0; k < 128; ++k) ASSERT_EQ(p[128 + k], p[127 - k]) << k;
}

TEST(Palettes, GreyscaleBiomorphAndRainbow) {
    EXPECT_EQ(greyscale_palette()[77], rgb(77, 77, 77));
    const Palette& bw = kpbw4_palette();
    EXPECT_EQ(bw[1], rgb(5, 5, 5));
    EXPECT_EQ(bw[63], rgb(255, 255, 255));
    EXPECT_EQ(bw[127], rgb(0, 0, 0));
    EXPECT_EQ(bw[191], rgb(255, 255, 255));
    EXPECT_EQ(bw[255], rgb(0, 0, 0));
    const Palette& r = rainbow8_palette();
    EXPECT_EQ(r[0], rgb(0x18, 0x00, 0xE4));
    EXPECT_EQ(r[28], rgb(0x00, 0x90, 0xA0));
    EXPECT_EQ(r[124], rgb(0x00, 0x88, 0xA8));
    EXPECT_EQ(r[255], rgb(0x18, 0x00, 0xE4));
}

TEST(Palettes, CheckpaletteKeepsTheBackgroundOut) {
    Palette d = default_palette();
    checkpalette(d, rgb(0, 0, 0));
    EXPECT_EQ(d, default_palette());  // no black entry to move
    Palette g = greyscale_palette();
    checkpalette(g, rgb(0, 0, 0));
    EXPECT_EQ(g[0], rgb(1, 0, 0));
    Palette w = greyscale_palette();
    checkpalette(w, rgb(200, 200, 200));
    EXPECT_EQ(w[200], rgb(199, 200, 200));
    for (const Rgb& c : w) EXPECT_NE(c, rgb(200, 200, 200));
}

TEST(PalettePreview, FramesSetAndStrip) {
    Surface b = palette_preview(greyscale_palette());
    EXPECT_EQ(b.width(), 262);
    EXPECT_EQ(b.height(), 362);
    EXPECT_EQ(b.get_pixel(0, 0), pack(205, 215, 225));
    EXPECT_EQ(b.get_pixel(1, 100), pack(215, 225, 235));
    EXPECT_EQ(b.get_pixel(261, 361), pack(205, 215, 225));
    EXPECT_EQ(b.get_pixel(3 + 77, 300), pack(77, 77, 77));  // strip line 77
    // Inside the main cardioid and far outside it: both greyscale entries, and different.
    Rgb inside = unpack(b.get_pixel(150, 130)), outside = unpack(b.get_pixel(3, 3));
    EXPECT_EQ(inside.r, inside.g);
    EXPECT_EQ(outside.r, outside.b);
    EXPECT_NE(inside, outside);
}

}  // namespace
}  // namespace zoquel
