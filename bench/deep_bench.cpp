// Deep zoom: 600 x 600 images far past double precision through the driver, on 1 and 2
// threads, beside the per-pixel cost of iterating a 100 x 100 crop of the same view in MPFR
// alone (one thread).
#include <benchmark/benchmark.h>

#include <mpfr.h>

#include <string>
#include <utility>
#include <vector>

#include "deep/brute_force.h"
#include "deep/deep_image.h"
#include "deep/deep_view_math.h"
#include "render/prepared_image.h"
#include "render/driver.h"
#include "render/live_state.h"
#include "rules/type_selection.h"

namespace {

using namespace zoquel;

constexpr int kSide = 600, kCrop = 100, kMaxiter = 50000;

// Two views: the Mandelbrot set centred on its tip c = i, a Misiurewicz point with branches at
// every depth, whose pixels escape after a few hundred to a few thousand steps; and the Julia
// set of the rabbit's constant centred on its repelling fixed point, where the rabbit's
// interior pixels run to the limit.
constexpr double kRabbitRe = -0.122561166876654, kRabbitIm = 0.744861766619744;

std::string width_text(int exponent) { return "1e-" + std::to_string(exponent); }

// (1 + sqrt(1 - 4c)) / 2 for the rabbit's c, to 1200 bits, as decimal texts.
std::pair<std::string, std::string> rabbit_fixed_point() {
    mpfr_t a, b, m, re, im;
    for (mpfr_ptr v : {a, b, m, re, im}) mpfr_init2(v, 4096);
    // w = 1 - 4c = a + ib; sqrt(w) = (sqrt((|w| + a) / 2), sign(b) sqrt((|w| - a) / 2)).
    mpfr_set_d(a, kRabbitRe, MPFR_RNDN), mpfr_mul_si(a, a, -4, MPFR_RNDN), mpfr_add_ui(a, a, 1, MPFR_RNDN);
    mpfr_set_d(b, kRabbitIm, MPFR_RNDN), mpfr_mul_si(b, b, -4, MPFR_RNDN);
    mpfr_hypot(m, a, b, MPFR_RNDN);
    mpfr_add(re, m, a, MPFR_RNDN), mpfr_div_2ui(re, re, 1, MPFR_RNDN), mpfr_sqrt(re, re, MPFR_RNDN);
    mpfr_sub(im, m, a, MPFR_RNDN), mpfr_div_2ui(im, im, 1, MPFR_RNDN), mpfr_sqrt(im, im, MPFR_RNDN);
    if (mpfr_sgn(b) < 0) mpfr_neg(im, im, MPFR_RNDN);
    mpfr_add_ui(re, re, 1, MPFR_RNDN), mpfr_div_2ui(re, re, 1, MPFR_RNDN), mpfr_div_2ui(im, im, 1, MPFR_RNDN);
    auto text = [](mpfr_ptr x) {
        char* s = nullptr;
        mpfr_asprintf(&s, "%.700Re", x);
        std::string out(s);
        mpfr_free_str(s);
        return out;
    };
    std::pair<std::string, std::string> out{text(re), text(im)};
    for (mpfr_ptr v : {a, b, m, re, im}) mpfr_clear(v);
    return out;
}

struct DeepScene {
    int method;
    std::string re, im;
};

DeepScene scene(int plane) {
    if (plane == 0) return {0, "0", "1"};
    const auto [re, im] = rabbit_fixed_point();
    return {1, re, im};
}

void deep_image(benchmark::State& st) {
    const std::string width = width_text(int(st.range(0)));
    const DeepScene view = scene(int(st.range(2)));
    HeadlessHost host;
    set_render_threads(int(st.range(1)));
    for (auto _ : st) {
        st.PauseTiming();
        reset_live_state(host);
        LiveState& s = live();
        choose_type(s.settings, s.firsttime, 0, view.method);
        s.settings.params().jcx = kRabbitRe, s.settings.params().jcy = kRabbitIm;
        s.settings.xres = s.settings.yres = kSide;
        s.settings.maxiter = kMaxiter;
        s.settings.deep = deep::make_deep_view(0, view.method, view.re, view.im, width, kSide, kSide);
        s.settings.view() = s.settings.deep->corners;
        st.ResumeTiming();
        render_image(s);  // the reference orbit and tables are part of each image
    }
    set_render_threads(1);
    st.counters["s/pixel"] = benchmark::Counter(double(kSide) * kSide, benchmark::Counter::kIsIterationInvariantRate |
                                                                         benchmark::Counter::kInvert);
}

// The crop's pixels have about the image's spacing: its width is the image's times 99 / 599.
// The same 600 x 600 images at 1e-100 and 1e-200, where doubles still hold the deltas, with the deltas in
// doubles and with a wide exponent: the cost of the wider numbers (one thread, set-up
// included).
void delta_numbers(benchmark::State& st) {
    const auto numbers = st.range(0) == 0 ? deep::DeltaNumbers::doubles : deep::DeltaNumbers::wide_exponent;
    const DeepScene view = scene(int(st.range(1)));
    Settings s;
    FirstTimeFlags first = all_first_time();
    choose_type(s, first, 0, view.method);
    s.params().jcx = kRabbitRe, s.params().jcy = kRabbitIm;
    s.xres = s.yres = kSide;
    s.maxiter = kMaxiter;
    s.deep = deep::make_deep_view(0, view.method, view.re, view.im, width_text(int(st.range(2))), kSide, kSide);
    s.view() = s.deep->corners;
    TypeMemory memory;
    std::vector<PixelResult> row(kSide);
    for (auto _ : st) {
        Settings copy = s;
        const ImageStart start = start_image(copy);
        const PixelImagePtr image = deep::prepare_deep_image(
            ImageInput{copy, start.geometry, start.cycle, headless_host(), memory}, *copy.deep, numbers);
        for (int j = 0; j < kSide; ++j) image->row_at(j, kSide, row.data());
        benchmark::DoNotOptimize(row.data());
    }
}

// The rabbit's crop is smaller, as its interior pixels take minutes each hundred.
void brute_force_crop(benchmark::State& st) {
    const int exponent = int(st.range(0));
    const DeepScene view = scene(int(st.range(1)));
    const int side = view.method == 0 ? kCrop : kCrop / 5;
    // The crop's pixels have about the image's spacing: its width is the image's times
    // (side - 1) / 599.
    const std::string width = std::to_string((side - 1) / double(kSide - 1)) + "e-" + std::to_string(exponent);
    const DeepView crop{0, view.method, {}, view.re, view.im, width};
    for (auto _ : st)
        benchmark::DoNotOptimize(test::brute_force(crop, view.method, kRabbitRe, kRabbitIm, side, side, kMaxiter, 16,
                                                   deep::precision_bits(width, side) + 64, 1));
    st.counters["s/pixel"] = benchmark::Counter(double(side) * side, benchmark::Counter::kIsIterationInvariantRate |
                                                                        benchmark::Counter::kInvert);
}

}  // namespace

BENCHMARK(deep_image)
    ->ArgNames({"width_exp", "threads", "plane"})
    ->ArgsProduct({{100, 600}, {1, 2}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(2.0);
BENCHMARK(delta_numbers)
    ->ArgNames({"wide", "plane", "width_exp"})
    ->ArgsProduct({{0, 1}, {0, 1}, {100, 200}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(2.0);
BENCHMARK(brute_force_crop)
    ->ArgNames({"width_exp", "plane"})
    ->ArgsProduct({{100, 600}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

BENCHMARK_MAIN();
