// Whole renders as a user asks for them, through the same driver the explorer uses.
#include <benchmark/benchmark.h>

#include <functional>
#include <string>

#include "render/driver.h"
#include "model/type_table.h"
#include "render/live_state.h"
#include "render/type_registry.h"
#include "rules/type_selection.h"

namespace {

using namespace zoquel;

using Adjust = std::function<void(Settings&)>;

// Renders an image of a type and method on `threads` threads, reporting pixels/s and
// iterations/s (the iteration limit times the pixels: an upper bound for escape-time types).
void render(benchmark::State& st, int ftype, int method, int threads, const Adjust& adjust) {
    HeadlessHost host;
    set_render_threads(threads);
    for (auto _ : st) {
        st.PauseTiming();
        reset_live_state(host);
        LiveState& s = live();
        choose_type(s.settings, s.firsttime, ftype, method);
        if (adjust) adjust(s.settings);
        st.ResumeTiming();
        render_image(s);
    }
    set_render_threads(1);
    const double pixels = double(live().settings.xres) * live().settings.yres;
    st.counters["pixels/s"] = benchmark::Counter(pixels, benchmark::Counter::kIsIterationInvariantRate);
    st.counters["maxiter*pixels/s"] =
        benchmark::Counter(pixels * live().settings.maxiter, benchmark::Counter::kIsIterationInvariantRate);
}

// The seahorse-valley zoom users quote: 600 x 600, 2000 iterations, outside Level Sets.
void deep_zoom(Settings& s) {
    const double cx = -0.743643887037151, cy = 0.131825904205330, w = 0.000014628;
    s.view() = View{cx - w / 2, cx + w / 2, cy - w / 2, cy + w / 2};
    s.maxiter = 2000;
    s.outside = 0;
}

void BM_Mandelbrot(benchmark::State& st) { render(st, 0, 0, 1, {}); }
void BM_Julia(benchmark::State& st) { render(st, 0, 1, 1, {}); }
void BM_DeepZoom(benchmark::State& st) { render(st, 0, 0, int(st.range(0)), deep_zoom); }
// A converging type with its own colour rules, and a transcendental escape-time map.
void BM_NewtonClassic(benchmark::State& st) { render(st, 1, 0, 1, {}); }
void BM_LambdaSine(benchmark::State& st) { render(st, 7, 0, 1, {}); }
// The default Lyapunov image, 600 x 600, one of the slowest per-pixel types: Markus with the
// sum of logarithms and with the running product, and Pickover (which has no algorithm choice).
void BM_Lyapunov(benchmark::State& st) {
    const int algorithm = int(st.range(1));
    render(st, 24, int(st.range(0)), int(st.range(2)), [algorithm](Settings& s) { s.algorithm = algorithm; });
}

// Formula 15 of type 27 (powers up to z^50) is the slowest per-pixel image.
void BM_NewtonVariation15(benchmark::State& st) {
    render(st, 27, int(st.range(0)), int(st.range(1)), [](Settings& s) { s.nvindex = 15; });
}

// The default image of every per-pixel type that is built, on 1 and 2 threads, so the
// scaling of each type can be read off one run.
void register_default_images() {
    for (int ftype = 0; ftype < kTypeCount; ++ftype) {
        if (is_whole_image(ftype)) continue;
        for (int method = 0; method < 2; ++method) {
            if (forced_method(ftype) >= 0 && forced_method(ftype) != method) continue;
            const std::string name = "BM_Default/type:" + std::to_string(ftype) + "/method:" + std::to_string(method);
            benchmark::RegisterBenchmark(name.c_str(), [ftype, method](benchmark::State& st) {
                render(st, ftype, method, int(st.range(0)), {});
            })->ArgName("threads")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
        }
    }
}

// The default image of every whole-image type that is built: one plot (one batch; the
// animations for the headless renderer's default 3000 steps), 600 x 600, as zoquel-render
// draws it.
void register_whole_images() {
    for (int ftype = 0; ftype < kTypeCount; ++ftype) {
        if (!is_whole_image(ftype)) continue;
        for (int method = 0; method < 2; ++method) {
            if (forced_method(ftype) >= 0 && forced_method(ftype) != method) continue;
            const std::string name = "BM_Whole/type:" + std::to_string(ftype) + "/method:" + std::to_string(method);
            benchmark::RegisterBenchmark(name.c_str(), [ftype, method](benchmark::State& st) {
                HeadlessHost host;
                host.fixed_time = 1;
                for (auto _ : st) {
                    st.PauseTiming();
                    reset_live_state(host);
                    LiveState& s = live();
                    // No notices on standard error.
                    s.memory.firstosc = s.memory.firstdla = s.memory.firstorbit = false;
                    choose_type(s.settings, s.firsttime, ftype, method);
                    // An aggregation grows for minutes on the default image.
                    if (type_info(ftype).kind == TypeKind::whole_image_repeated) s.settings.xres = s.settings.yres = 200;
                    st.ResumeTiming();
                    render_image(s);
                }
            })->Unit(benchmark::kMillisecond)->UseRealTime();
        }
    }
}

}  // namespace

BENCHMARK(BM_Mandelbrot)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Julia)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NewtonClassic)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LambdaSine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NewtonVariation15)
    ->ArgNames({"method", "threads"})
    ->ArgsProduct({{0, 1}, {1, 2}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_Lyapunov)
    ->ArgNames({"method", "algorithm", "threads"})
    ->ArgsProduct({{0, 1}, {0, 1}, {1, 2}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_DeepZoom)->ArgName("threads")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    register_default_images();
    register_whole_images();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
