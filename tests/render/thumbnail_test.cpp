#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "model/canvas.h"
#include "model/palettes.h"
#include "model/type_table.h"
#include "render/thumbnail.h"

namespace zoquel {
namespace {

constexpr double kTwoPi = 6.283185307179586;

class Thumbnail : public ::testing::Test {
protected:
    void use(int ftype, int size = 300) {
        s = Settings{};
        s.ftype = ftype;
        s.palette = greyscale_palette();
        image.resize(size, size, pack(7, 7, 7));
        screen.resize(size, size, pack(8, 8, 8));
    }
    bool draw(Cx c) {
        Canvas canvas(image, screen);
        return draw_thumbnail(s, c, canvas);
    }
    // The dynamic-plane point of thumbnail pixel (j, i).
    Cx point(int j, int i) const {
        const View& v = startup_view(s.ftype, 1);
        return Cx{v.xmin + j * (v.xmax - v.xmin) / 149, v.ymin + (149 - i) * (v.ymax - v.ymin) / 149};
    }
    // Every thumbnail pixel against an orbit written out from the formula: `step` advances z
    // (n steps taken before) and returns the size tested; `index` colours an escape.
    void expect_formula(const std::function<double(Cx&, int n)>& step,
                        const std::function<int(int, Cx)>& index = [](int n, Cx) { return 2 * n % 255 + 1; }) {
        for (int i = 1; i <= 147; ++i)
            for (int j = 1; j <= 147; ++j) {
                Cx z = point(j, i);
                double size = 0;
                int n = 0;
                while (size <= 16 && n < 128) {
                    size = step(z, n);
                    ++n;
                }
                const Pixel want = size > 16 ? pack(s.palette[std::size_t(index(n, z))]) : kBlack;
                ASSERT_EQ(image.get_pixel(j, i), want) << "type " << s.ftype << " at " << j << "," << i;
            }
    }

    Settings s;
    Surface image, screen;
};

TEST_F(Thumbnail, TheQuadraticJuliaSetOfZeroIsTheUnitDiscInAFrame) {
    use(0);
    ASSERT_TRUE(draw(Cx{0, 0}));
    const View& v = startup_view(0, 1);
    EXPECT_EQ(v.xmin, -2.25);
    int inside = 0;
    for (int i = 1; i <= 147; ++i)
        for (int j = 1; j <= 147; ++j) {
            const double r = abs(point(j, i));
            if (std::fabs(r - 1) < 0.01) continue;  // too close to the circle to call
            EXPECT_EQ(image.get_pixel(j, i) == kBlack, r < 1) << j << "," << i;
            inside += r < 1;
        }
    EXPECT_GT(inside, 3000);
    // The frame: top row and right column in white, the bottom row from the right; the
    // left column below the top and row and column 148 keep the image.
    for (int k = 0; k < 149; ++k) {
        EXPECT_EQ(image.get_pixel(k, 0), kWhite) << k;
        EXPECT_EQ(image.get_pixel(149, k), kWhite) << k;
        EXPECT_EQ(image.get_pixel(k + 1, 149), kWhite) << k;
    }
    EXPECT_EQ(image.get_pixel(0, 149), pack(7, 7, 7));
    EXPECT_EQ(image.get_pixel(0, 50), pack(7, 7, 7));
    EXPECT_EQ(image.get_pixel(148, 50), pack(7, 7, 7));
    EXPECT_EQ(image.get_pixel(50, 148), pack(7, 7, 7));
    EXPECT_EQ(image.get_pixel(150, 10), pack(7, 7, 7));
    // The screen shows the corner as the image now has it, and nothing else.
    for (int y = 0; y < 150; ++y)
        for (int x = 0; x < 150; ++x) ASSERT_EQ(screen.get_pixel(x, y), image.get_pixel(x, y));
    EXPECT_EQ(screen.get_pixel(150, 10), pack(8, 8, 8));
}

TEST_F(Thumbnail, TypesWithSpecialRulesFollowTheirFormulas) {
    const Cx c{0.3, -0.2};
    {
        // Lambda e^z: the size is Re z, and far left the orbit goes back to 0.
        use(9);
        ASSERT_TRUE(draw(c));
        const Cx lambda{s.pc[9].p1 + 0.36787944117144233, s.pc[9].p2};
        expect_formula([&](Cx& z, int) {
            z = lambda * exp(z) + c;
            const double size = z.re;
            if (z.re < -50) z = Cx{};
            return size;
        });
    }
    {
        // Pokorny: escapes coloured by the angle of the last iterate.
        use(14);
        ASSERT_TRUE(draw(c));
        expect_formula(
            [&](Cx& z, int) {
                z = 1.0 / (z * z + c);
                return abs(z);
            },
            [](int, Cx z) {
                double a = std::atan2(z.im, z.re);
                if (a < 0) a += kTwoPi;
                return int(std::fmod(std::trunc(a * 256 / kTwoPi), 255.0)) + 1;
            });
    }
    {
        // Phoenix: the previous iterate starts at 0.
        use(16);
        ASSERT_TRUE(draw(Cx{0.56, 0.1}));
        const double d = s.pc[16].p1, k = s.pc[16].p0;
        Cx zp{};
        expect_formula([&](Cx& z, int n) {
            if (n == 0) zp = Cx{};
            const Cx next = pow(z, d) + Cx{0.56, 0.1} + k * pow(zp, d - 1);
            zp = z;
            z = next;
            return abs(z);
        });
    }
    {
        // The second airfoil: a part of c that is exactly 0 becomes 1e-6.
        use(26);
        ASSERT_TRUE(draw(Cx{0, 1.1}));
        const Cx g{1e-6, 1.1}, t = g + 1.0 / g;
        expect_formula([&](Cx& z, int) {
            const Cx w = cos(z) * t;
            z = w - 1.0 / w;
            return abs(z);
        });
    }
}

TEST_F(Thumbnail, TheDistanceEstimatorPreviewsTheSquareMapWhateverItsThirdColumn) {
    use(38);
    ASSERT_EQ(s.pc[38].p0, 0.001);
    ASSERT_TRUE(draw(Cx{-0.12, 0.74}));
    expect_formula([](Cx& z, int) {
        z = z * z + Cx{-0.12, 0.74};
        return abs(z);
    });
}

TEST_F(Thumbnail, EveryTypeWithAThumbnailDrawsOneOnASmallImageWithinIt) {
    for (int t = 0; t < kTypeCount; ++t) {
        use(t, 40);
        const bool drawn = draw(Cx{0.2, 0.3});
        EXPECT_EQ(drawn, bool(type_info(t).thumbflag)) << t;
        if (!drawn) {
            EXPECT_EQ(image, Surface(40, 40, pack(7, 7, 7))) << t;
            continue;
        }
        EXPECT_EQ(image.get_pixel(39, 0), kWhite) << t;
        EXPECT_EQ(screen.get_pixel(39, 0), kWhite) << t;
    }
}

}  // namespace
}  // namespace zoquel
