#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "render/coloring.h"

namespace zoquel {
namespace {

class Coloring : public ::testing::Test {
protected:
    void SetUp() override {
        s.palette = greyscale_palette();  // entry i is (i, i, i): colours read back as indices
        k.il = 1 / std::log(2.0);
        k.lpsm = std::log(std::log(16.0));
    }
    // The colour of a pixel with these results and the side channels set below.
    Rgb colour(int n, double size, double zx = 0, double zy = 0) {
        return coloring(s, k, PixelResult{n, zx, zy, size, 0, nfx, infsize});
    }
    int index(int n, double size, double zx = 0, double zy = 0) { return colour(n, size, zx, zy).r; }
    Settings s;
    ColouringConstants k;
    double nfx = 0, infsize = 0;
};

TEST_F(Coloring, OutsideWhenSizeStrictlyExceedsTheRadius) {
    s.rin = 7;
    EXPECT_EQ(index(40, 16.0), 7);        // equal: inside
    EXPECT_EQ(index(40, 16.0001), 40);    // level sets
    s.outside = 0;
    s.rout = 9;
    EXPECT_EQ(index(40, 17), 9);
}

TEST_F(Coloring, SmoothingBlendsNeighbouringEntries) {
    s.outside = 2;
    // size just above the radius gives f just below 1: almost the next entry.
    s.palette = default_palette();
    EXPECT_EQ(colour(40, 16.0 + 1e-12, 0, 0), s.palette[41]);
    s.palette = greyscale_palette();
    // ln ln size = ln ln 16 + ln 2 gives f = 0: the entry itself.
    double size = std::exp(std::exp(std::log(std::log(16.0)) + std::log(2.0)));
    EXPECT_EQ(index(40, size), 40);
    // n = 255 blends entry 255 with itself.
    EXPECT_EQ(index(255, 16.5), 255);
    // The default palette blended half way, channel by channel, truncated.
    s.palette = default_palette();
    double half = std::exp(std::exp(std::log(std::log(16.0)) + 0.5 * std::log(2.0)));
    Rgb c = colour(20, half, 0, 0);
    Rgb a = s.palette[20], b = s.palette[21];
    EXPECT_EQ(c.g, int(a.g + (b.g - a.g) * 0.5 + 1e-9));
}

TEST_F(Coloring, SmoothingFractionOfNewtonTypesAndNaN) {
    s.outside = 2;
    s.ftype = 1;
    s.pc[1].maxsize = 0.001;
    nfx = 0.5;
    s.palette = default_palette();
    Rgb c = colour(10, 1.0, 0, 0);
    EXPECT_EQ(c.b, int(s.palette[10].b + (s.palette[11].b - s.palette[10].b) * 0.5));
    nfx = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(colour(10, 1.0, 0, 0), s.palette[10]);
    nfx = 0;
    s.ftype = 0;
    s.palette = greyscale_palette();
    EXPECT_EQ(index(10, std::numeric_limits<double>::infinity()), 10);  // ln ln inf: f = 0
}

TEST_F(Coloring, TypeTwentyThreeKeepsItsOwnStep) {
    s.outside = 2;
    s.ftype = 23;
    s.method = 0;
    s.pc[23].maxsize = 72;
    s.cindex = 2;
    nfx = 1;
    EXPECT_EQ(index(10, 100), 12);
    EXPECT_EQ(index(255, 100), 255);  // limited to 253, then 253 + 2
    nfx = 0;
}

TEST_F(Coloring, BinaryDecomposition) {
    s.outside = 3;
    EXPECT_EQ(index(10, 20, 1, 0.5), 21);                 // 2n mod 255 + 1
    EXPECT_EQ(index(10, 20, 1, -0.5), (21 + 128) % 255 + 1);
    EXPECT_EQ(index(200, 20, 1, 1), 400 % 255 + 1);
    s.outside = 4;
    EXPECT_EQ(colour(10, 20, 1, -1), (Rgb{0, 0, 0}));
    EXPECT_EQ(colour(10, 20, 1, 0), (Rgb{255, 255, 255}));
}

TEST_F(Coloring, InsideMethods) {
    s.inside = 1;  // ZMag
    EXPECT_EQ(index(5, 0.5), 256 % 255 + 1);
    EXPECT_EQ(index(5, 0.0), 1);
    s.inside = 2;  // angular: zx = 0 taken as 1e-32
    EXPECT_EQ(index(5, 0.5, 0.0, 1.0), 64 % 255 + 1);
    EXPECT_EQ(index(5, 0.5, -0.0, -1.0), 192 % 255 + 1);
    EXPECT_EQ(index(5, 0.5, 1.0, -1e-300), 256 % 255 + 1);  // rounds to 2 pi
    s.inside = 3;  // Siegel disks
    k.factor = 256;
    infsize = 0.25;
    EXPECT_EQ(index(5, 0.5), 128 % 255 + 1);
    s.inside = 4;  // Julia level sets: the generator's own index
    EXPECT_EQ(index(77, 0.5), 77);
}

TEST_F(Coloring, CountsOutsideThePaletteNeverReadOutsideIt) {
    for (int n : {-1000, -1, 256, 300, 100000, std::numeric_limits<int>::max(), std::numeric_limits<int>::min()}) {
        for (int method = 0; method <= 4; ++method) {
            s.outside = method;
            Rgb c = colour(n, 1e300, 1, -1);
            (void)c;
            s.inside = method;
            c = colour(n, std::numeric_limits<double>::quiet_NaN(), 1, -1);
            (void)c;
        }
    }
    EXPECT_EQ(palette_index(256), 2);
    EXPECT_EQ(palette_index(-1), 255);
    EXPECT_EQ(wrapped_index(std::numeric_limits<double>::infinity()), 1);
    EXPECT_EQ(wrapped_index(std::numeric_limits<double>::quiet_NaN()), 1);
    EXPECT_EQ(wrapped_index(1e300), int(std::fmod(1e300, 255.0)) + 1);
}

}  // namespace
}  // namespace zoquel
