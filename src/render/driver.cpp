#include "render/driver.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "formulas/mandelbrot.h"
#include "render/coloring.h"
#include "render/row_pipeline.h"
#include "render/type_registry.h"

namespace zoquel {

namespace {

int g_threads = 1;

RowPipeline& pipeline() {
    static RowPipeline p;
    return p;
}

void finish_image(LiveState& state) {
    RenderState& r = state.render;
    Settings& s = state.settings;
    pipeline().stop();
    r.j = 0;
    r.okfractal = false;
    r.okzoom = true;
    r.okthumbnail = type_info(s.ftype).thumbflag ? 1 : 0;
    if (remembers_julia_constant(s.ftype) && s.method == 1) {
        s.cxsave = s.params().jcx;
        s.cysave = s.params().jcy;
    }
    state.host->end_busy();
}

// The screen shows grey where the new image will grow and black around it.
void clear_screen_for_new_image(LiveState& state) {
    Surface& screen = state.host->screen();
    const int w = std::min(state.settings.xres, screen.width()), h = std::min(state.settings.yres, screen.height());
    screen.fill_rect(Rect{0, 0, w, h}, kStockGrey);
    screen.fill_rect(Rect{w, 0, screen.width(), h}, kBlack);
    screen.fill_rect(Rect{0, h, screen.width(), screen.height()}, kBlack);
    state.host->present(screen.bounds());
}

int run_whole_image(LiveState& state) {
    const int t = state.settings.ftype;
    double zx, zy, size;
    implementation(t).generator(0, 0, &zx, &zy, &size);
    RenderState& r = state.render;
    r.okthumbnail = 0;
    r.okzoom = false;
    r.j = 0;
    if (type_info(t).kind != TypeKind::whole_image_repeated) r.okfractal = false;
    if (t == 39) r.okorbit = true;
    return 1;
}

}  // namespace

void begin_image(LiveState& state) {
    Settings& s = state.settings;
    RenderState& r = state.render;
    const View& v = s.view();
    r.xside = v.xmax - v.xmin;
    r.yside = v.ymax - v.ymin;
    if (s.outside == kOutsideSmoothing && !supplies_smoothing_fraction(s.ftype, s.method)) {
        r.il = 1 / std::log(2.0);
        r.lpsm = std::log(std::log(s.params().maxsize));
    }
    // Smoothing blends neighbouring entries for every type but 23, which keeps its own step.
    if (s.outside == kOutsideSmoothing && s.ftype != 23) s.cindex = 1;
    if (s.ftype == 0 || s.ftype == 37 || s.ftype == 38) {
        if (s.inside == kInsideSiegelDisks) r.factor = s.maxiter < 256 ? 256 : s.maxiter;
        if (s.inside == kInsideJuliaLevelSets && s.method == 1) s.jperiod = juliaperiod(s.params().jcx, s.params().jcy, r.attractor);
    }
    if (auto setup = implementation(s.ftype).setup) setup(state);
}

void render_row(const LiveState& state, int row, Pixel* out) {
    const Settings& s = state.settings;
    const RenderState& r = state.render;
    const View& v = s.view();
    const TypeImplementation& impl = implementation(s.ftype);
    const Generator generate = impl.generator;
    const double y = v.ymin + (s.yres - 1 - row) * r.yside / (s.yres - 1);
    if (impl.row_kernel) {
        thread_local std::vector<double> xs, zx, zy, size;
        thread_local std::vector<int> n;
        const std::size_t w = std::size_t(s.xres);
        xs.resize(w), zx.resize(w), zy.resize(w), size.resize(w), n.resize(w);
        for (int ii = 0; ii < s.xres; ++ii) xs[std::size_t(ii)] = v.xmin + ii * r.xside / (s.xres - 1);
        if (impl.row_kernel(xs.data(), y, s.xres, n.data(), zx.data(), zy.data(), size.data())) {
            for (std::size_t ii = 0; ii < w; ++ii) out[ii] = pack(coloring(s, r, n[ii], size[ii], zx[ii], zy[ii]));
            return;
        }
    }
    for (int ii = 0; ii < s.xres; ++ii) {
        const double x = v.xmin + ii * r.xside / (s.xres - 1);
        double zx = 0, zy = 0, size = 0;
        const int n = generate(x, y, &zx, &zy, &size);
        out[ii] = pack(coloring(s, r, n, size, zx, zy));
    }
}

namespace {

// One driver call. Between the rows of an image the explorer runs commands that may change
// the settings, so rows computed ahead are checked against them; a headless render runs
// nothing between rows and skips the check.
int drive(LiveState& state, bool settings_may_change) {
    Settings& s = state.settings;
    RenderState& r = state.render;
    if (!type_available(s.ftype)) {
        r.okfractal = false;
        return 0;
    }
    if (is_whole_image(s.ftype)) return run_whole_image(state);

    state.host->begin_busy();
    if (r.j == 0) {
        // Generators' per-image state is rewritten below: no worker may still be reading it.
        pipeline().stop();
        clear_screen_for_new_image(state);
        begin_image(state);
        if (g_threads > 1) pipeline().start(state, 0, g_threads);
        // Rows are written xres wide: the image must have the size the settings give. The
        // workers are already under way meanwhile.
        if (state.image.width() != s.xres || state.image.height() != s.yres)
            state.image.resize(s.xres, s.yres, kStockGrey);
        else
            state.image.fill(kStockGrey);
    }
    if (g_threads > 1) {
        if (!pipeline().serves(r.j, settings_may_change ? &s : nullptr)) pipeline().start(state, r.j, g_threads);
        pipeline().take_row(r.j, state.image.row(r.j));
    } else {
        render_row(state, r.j, state.image.row(r.j));
    }

    Surface& screen = state.host->screen();
    if (r.j < screen.height()) {
        Rect row{0, r.j, std::min(s.xres, screen.width()), r.j + 1};
        screen.copy_from(state.image, row, 0, r.j);
        state.host->present(row);
    }
    r.j += 1;
    if (r.j == s.yres) finish_image(state);
    return 0;
}

}  // namespace

int fractaldriver(LiveState& state) { return drive(state, true); }

void set_render_threads(int threads) {
    pipeline().stop();
    g_threads = std::max(1, threads);
}

int render_threads() { return g_threads; }

void discard_rows_in_flight() { pipeline().stop(); }

bool render_image(LiveState& state, const std::function<void(int rows_done)>& after_row) {
    if (!type_available(state.settings.ftype)) return false;
    state.render.j = 0;
    state.render.okfractal = true;
    while (state.render.okfractal) {
        drive(state, false);
        if (after_row) after_row(state.render.okfractal ? state.render.j : state.settings.yres);
    }
    return true;
}

}  // namespace zoquel
