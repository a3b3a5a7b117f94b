#pragma once
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <set>

#include "render/coloring.h"
#include "render/driver.h"
#include "render/live_state.h"
#include "render/prepared_image.h"
#include "rules/type_selection.h"

namespace zoquel {

// Single pixels of the live settings' type, each through an image prepared afresh from the
// settings as the driver prepares it (preliminary pass included).
template <class H = HeadlessHost>
class PixelTest : public ::testing::Test {
protected:
    void SetUp() override { reset_live_state(host); }
    Settings& s() { return live().settings; }
    void use(int ftype, int method) {
        s().ftype = ftype;
        s().method = method;
    }
    // As the type dialog's OK chooses it: defaults on the first choice, colouring reset.
    void choose(int ftype, int method) { choose_type(s(), live().firsttime, ftype, method); }
    PreparedImage prepare() { return prepare_image(s(), host, live().memory); }
    int pixel(double px, double py) {
        last = prepare().image->pixel(px, py);
        zx = last.zx;
        zy = last.zy;
        size = last.size;
        return last.n;
    }
    bool escaped() const { return size > live().settings.params().maxsize; }

    // Points where maps meet their poles or overflow: the results must stay palette indices
    // and every colouring method must cope with what comes back.
    void expect_defined_everywhere(std::initializer_list<int> types) {
        const double big = 1e300, tiny = 1e-300;
        const double points[][2] = {{0, 0},     {1, 0},    {2, 0},       {-1, 0},  {0, 1},
                                    {big, 0},   {0, big},  {-big, -big}, {tiny, 0}, {0, -tiny},
                                    {700, 700}, {-50, 3}, {1e-6, 1e-6}, {3.7, -0.2}};
        for (int t : types) {
            for (int method : {0, 1}) {
                use(t, method);
                const PreparedImage image = prepare();
                for (auto& p : points) {
                    const PixelResult r = image.image->pixel(p[0], p[1]);
                    ASSERT_GE(r.n, 0) << "type " << t << " at " << p[0] << "," << p[1];
                    ASSERT_LE(r.n, 255) << "type " << t << " at " << p[0] << "," << p[1];
                    for (int outside = 0; outside < 5; ++outside) {
                        for (int inside = 0; inside < 5; ++inside) {
                            s().outside = outside;
                            s().inside = inside;
                            coloring(s(), image.start.constants, r, image.image.get());
                        }
                    }
                    s().outside = 1;
                    s().inside = 0;
                }
            }
        }
    }

    H host;
    PixelResult last;
    double zx = 0, zy = 0, size = 0;
};

using FormulaTest = PixelTest<>;

// The number of distinct colours in the default image of a type and method, as the type
// dialog's OK leaves it, at a small size.
inline int colours_in_default_image(int ftype, int method) {
    HeadlessHost host;
    reset_live_state(host);
    LiveState& st = live();
    choose_type(st.settings, st.firsttime, ftype, method);
    st.settings.xres = st.settings.yres = 48;
    render_image(st);
    std::set<Pixel> seen;
    for (int y = 0; y < st.image.height(); ++y)
        for (int x = 0; x < st.image.width(); ++x) seen.insert(st.image.get_pixel(x, y));
    return int(seen.size());
}

}  // namespace zoquel
