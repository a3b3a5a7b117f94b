#include "render/driver.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "render/prepared_image.h"
#include "render/row_pipeline.h"

namespace zoquel {

namespace {

// The set-up of a slow image on a thread of its own, so the window stays live meanwhile. It
// works on copies of what it reads; its progress and result are collected by the driver's
// thread, which alone talks to the real host.
class BackgroundPreparation {
public:
    BackgroundPreparation(const Settings& s, const ImageStart& start, const TypeRegistry& types, double preliminary)
        : settings_(s), start_(start) {
        worker_ = std::thread([this, &types, preliminary] { run(types, preliminary); });
    }
    ~BackgroundPreparation() {
        relay_.cancelled = true;
        worker_.join();
    }
    bool done() const { return done_.load(std::memory_order_acquire); }
    double fraction() const { return relay_.fraction.load(std::memory_order_relaxed); }
    // The prepared image once done (rethrowing what the set-up threw), with the settings it settled.
    PreparedImage take() {
        if (failure_) std::rethrow_exception(failure_);
        return std::move(*result_);
    }

private:
    struct Cancelled {};
    // Progress goes to an atomic; nothing else of a host is used by a set-up this slow.
    struct Relay : HeadlessHost {
        void progress(const char*, double f) override {
            if (cancelled.load(std::memory_order_relaxed)) throw Cancelled{};
            if (f >= 0) fraction.store(f, std::memory_order_relaxed);
        }
        std::atomic<bool> cancelled{false};
        std::atomic<double> fraction{0};
    };

    void run(const TypeRegistry& types, double preliminary) {
        try {
            result_ = prepare_image(settings_, start_, types, relay_, memory_, preliminary);
        } catch (const Cancelled&) {
        } catch (...) {
            failure_ = std::current_exception();
        }
        done_.store(true, std::memory_order_release);
    }

    Settings settings_;
    ImageStart start_;
    TypeMemory memory_;
    Relay relay_;
    std::optional<PreparedImage> result_;
    std::exception_ptr failure_;
    std::atomic<bool> done_{false};
    std::thread worker_;
};

}  // namespace

struct DriverState::Impl {
    // Where a per-pixel image is: not started, its preliminary pass, waiting for a key or
    // click after it, ready to be prepared after the wait, or its rows.
    enum class Phase { idle, preliminary, awaiting, ready, preparing, rows };
    Phase phase = Phase::idle;
    std::unique_ptr<BackgroundPreparation> preparation;

    RowPipeline rows;
    ImageStart start;
    std::shared_ptr<const PreparedImage> image;
    // The preliminary pass, each row's part of its value, the next row to show, the value.
    std::shared_ptr<const PreliminaryPass> preliminary;
    std::shared_ptr<std::vector<double>> parts;
    int preliminary_row = 0;
    double preliminary_value = 0;

    // The generator of a whole image, for the type and size it was made for, and whether a
    // run of its steps is under way.
    WholeImagePtr whole;
    Settings whole_settings;  // what it was made from
    bool run_active = false;
    bool last_step_counted = false;  // the last step finished a unit of a budget
};

DriverState::DriverState() : impl_(std::make_unique<Impl>()) {}
DriverState::~DriverState() = default;
DriverState::DriverState(DriverState&&) noexcept = default;
DriverState& DriverState::operator=(DriverState&&) noexcept = default;

namespace {

using Phase = DriverState::Impl::Phase;

int g_threads = 1;

// The screen shows grey where the new image will grow and black around it.
void clear_screen_for_new_image(LiveState& state) {
    Surface& screen = state.host->screen();
    const int w = std::min(state.settings.xres, screen.width()), h = std::min(state.settings.yres, screen.height());
    screen.fill_rect(Rect{0, 0, w, h}, kStockGrey);
    screen.fill_rect(Rect{w, 0, screen.width(), h}, kBlack);
    screen.fill_rect(Rect{0, h, screen.width(), screen.height()}, kBlack);
    state.host->present(screen.bounds());
}

// Shows a finished row on the screen at once, as far as the window reaches.
void show_row(Host& host, int row, const Pixel* pixels, int width) {
    Surface& screen = host.screen();
    if (row >= screen.height()) return;
    const int w = std::min(width, screen.width());
    std::copy(pixels, pixels + std::max(0, w), screen.row(row));
    host.present(Rect{0, row, w, row + 1});
}

ImageInput input_for(LiveState& st, const ImageStart& start, double preliminary = 0) {
    return ImageInput{st.settings, start.geometry, start.cycle, *st.host, st.memory, preliminary};
}

// The rows of the prepared image from row `first` on, on every thread.
void start_image_rows(LiveState& st, int first) {
    DriverState::Impl& d = st.driver.impl();
    std::shared_ptr<const PreparedImage> image = d.image;
    const ImageGeometry& g = image->geometry();
    d.rows.start(image->settings, first, g.yres, g.xres, g_threads,
                 [image](int row, Pixel* out) { image->render_row(row, out); });
}

void start_preliminary_rows(LiveState& st, int first) {
    DriverState::Impl& d = st.driver.impl();
    std::shared_ptr<const PreliminaryPass> pass = d.preliminary;
    std::shared_ptr<std::vector<double>> parts = d.parts;
    const ImageGeometry& g = d.start.geometry;
    d.rows.start(st.settings, first, g.yres, g.xres, g_threads,
                 [pass, parts](int row, Pixel* out) { (*parts)[std::size_t(row)] = pass->row(row, out); });
}

// The rows of a prepared image, on every thread.
void start_prepared_rows(LiveState& st, PreparedImage prepared) {
    DriverState::Impl& d = st.driver.impl();
    Settings& s = st.settings;
    d.image = std::make_shared<PreparedImage>(std::move(prepared));
    d.preliminary.reset();
    d.parts.reset();
    d.phase = Phase::rows;
    start_image_rows(st, 0);
    // Rows are written xres wide: the image must have the size the settings give. The
    // workers are already under way meanwhile.
    if (st.image.width() != s.xres || st.image.height() != s.yres)
        st.image.resize(s.xres, s.yres, kStockGrey);
    else
        st.image.fill(kStockGrey);
}

// Prepares the image itself once its preliminary pass (if any) is done, and starts its rows.
// In the explorer a slow set-up goes to a worker, and the driver's next calls wait for it.
void prepare_rows(LiveState& st, bool interactive) {
    DriverState::Impl& d = st.driver.impl();
    Settings& s = st.settings;
    if (interactive && prepares_slowly(s)) {
        d.preparation = std::make_unique<BackgroundPreparation>(s, d.start, *st.types, d.preliminary_value);
        d.phase = Phase::preparing;
        return;
    }
    start_prepared_rows(st, prepare_image(s, d.start, *st.types, *st.host, st.memory, d.preliminary_value));
}

// How long the window waits between looks at a set-up on its worker.
constexpr int kPreparationPollMs = 15;

// Nothing once the set-up is done and the image's rows have started.
std::optional<DriverStep> preparation_step(LiveState& st) {
    DriverState::Impl& d = st.driver.impl();
    if (!d.preparation->done()) {
        st.host->progress("reference orbit", d.preparation->fraction());
        return DriverStep{DriverStep::Kind::preparing, kPreparationPollMs};
    }
    std::unique_ptr<BackgroundPreparation> finished = std::move(d.preparation);
    st.host->progress("reference orbit", -1);
    PreparedImage prepared = finished->take();
    // What the set-up settled, as a set-up on this thread would have written it.
    prepared.image->settle(st.settings);
    start_prepared_rows(st, std::move(prepared));
    return std::nullopt;
}

void begin_image(LiveState& st, bool interactive) {
    DriverState::Impl& d = st.driver.impl();
    // The image under way is replaced: no worker may still be computing for it.
    d.rows.stop();
    d.preparation.reset();
    st.render.j = 0;
    clear_screen_for_new_image(st);
    d.start = start_image(st.settings);
    st.render.geometry = d.start.geometry;
    d.preliminary_value = 0;
    if (PreparePreliminaryPass make = (*st.types)[st.settings.ftype].preliminary) {
        d.preliminary = make(input_for(st, d.start));
        d.parts = std::make_shared<std::vector<double>>(std::size_t(std::max(0, st.settings.yres)), 0.0);
        d.preliminary_row = 0;
        d.phase = Phase::preliminary;
        start_preliminary_rows(st, 0);
    } else {
        prepare_rows(st, interactive);
    }
}

DriverStep preliminary_row(LiveState& st) {
    DriverState::Impl& d = st.driver.impl();
    const ImageGeometry& g = d.start.geometry;
    const int row = d.preliminary_row;
    if (!d.rows.serves(row, nullptr)) start_preliminary_rows(st, row);
    std::vector<Pixel> pixels(std::size_t(std::max(0, g.xres)));
    d.rows.take_row(row, pixels.data());
    show_row(*st.host, row, pixels.data(), g.xres);
    if (++d.preliminary_row < g.yres) return {DriverStep::Kind::preliminary_row};
    d.rows.stop();
    double value = 0;
    for (double part : *d.parts) value = d.preliminary->combine(value, part);
    d.preliminary_value = value;
    d.phase = Phase::awaiting;
    return {DriverStep::Kind::awaiting_input};
}

void finish_image(LiveState& st) {
    Settings& s = st.settings;
    DriverState::Impl& d = st.driver.impl();
    d.rows.stop();
    d.phase = Phase::idle;
    st.render.j = 0;
    st.render.okfractal = false;
    if (remembers_julia_constant(s.ftype) && s.method == 1) {
        s.cxsave = s.params().jcx;
        s.cysave = s.params().jcy;
    }
    st.host->end_busy();
}

// One driver call. Between the rows of an image the explorer runs commands that may change
// the settings, so rows computed ahead are checked against them; a headless render runs
// nothing between rows and skips the check.
DriverStep image_row(LiveState& st, bool settings_may_change) {
    DriverState::Impl& d = st.driver.impl();
    Settings& s = st.settings;
    RenderState& r = st.render;
    if (!d.rows.serves(r.j, settings_may_change ? &s : nullptr)) {
        // The settings changed under a paused image (a new palette): the same image, coloured
        // from the live settings, from row j on.
        if (settings_may_change && !(d.image->settings == s))
            d.image = std::make_shared<PreparedImage>(d.image->recoloured(s));
        start_image_rows(st, r.j);
    }
    const int width = d.image->geometry().xres;
    d.rows.take_row(r.j, st.image.row(r.j));
    show_row(*st.host, r.j, st.image.row(r.j), width);
    r.j += 1;
    if (r.j < d.image->geometry().yres) return {DriverStep::Kind::row};
    finish_image(st);
    return {DriverStep::Kind::image_done};
}

DriverStep whole_image_step(LiveState& st) {
    DriverState::Impl& d = st.driver.impl();
    Settings& s = st.settings;
    RenderState& r = st.render;
    const int t = s.ftype;
    // Rows are drawn xres wide: the image must have the size the settings give.
    if (st.image.width() != s.xres || st.image.height() != s.yres) st.image.resize(s.xres, s.yres, kBlack);
    // A fresh image on firstloop, for another type or size, and for each plot of a type
    // that does not go on from one plot to the next (or when its settings changed while a
    // run of it was paused).
    const Settings& made_from = d.whole_settings;
    const bool continues = continues_between_plots(t);
    const bool fresh = r.firstloop || !d.whole || made_from.ftype != t || made_from.xres != s.xres ||
                       made_from.yres != s.yres || (!continues && (!d.run_active || !(made_from == s)));
    if (fresh) {
        const ImageStart start{ImageGeometry::of(s.view(), s.xres, s.yres), {}, {}};
        d.whole = (*st.types)[t].whole(input_for(st, start));
        d.whole_settings = s;
        d.run_active = false;
        r.firstloop = false;
    }
    if (!d.run_active) {
        d.run_active = true;
        d.whole->begin_plot();
        st.host->begin_busy();
    }
    Canvas canvas(st.image, st.host->screen());
    StepContext context{s, *st.host, st.memory};
    const StepResult result = d.whole->step(canvas, context);
    canvas.present(*st.host);
    d.last_step_counted = result.counted;
    r.j = 0;
    if (result.more) return {DriverStep::Kind::whole_image, result.delay_ms};
    d.run_active = false;
    r.okfractal = false;
    if (result.firstloop) r.firstloop = true;
    // As a per-pixel image does, a finished dynamic-plane image leaves its constant for the
    // Julia samples.
    if (remembers_julia_constant(t) && s.method == 1) {
        s.cxsave = s.params().jcx;
        s.cysave = s.params().jcy;
    }
    st.host->end_busy();
    return {DriverStep::Kind::whole_image};
}

DriverStep drive(LiveState& st, bool settings_may_change) {
    Settings& s = st.settings;
    if (!st.types->available(s.ftype)) {
        st.render.okfractal = false;
        return {};
    }
    if (is_whole_image(s.ftype)) return whole_image_step(st);

    DriverState::Impl& d = st.driver.impl();
    st.host->begin_busy();
    const bool was_preparing = d.phase == Phase::preparing;
    if (d.phase == Phase::idle || (d.phase == Phase::rows && st.render.j == 0)) begin_image(st, settings_may_change);
    switch (d.phase) {
        case Phase::preliminary: return preliminary_row(st);
        case Phase::awaiting: return {DriverStep::Kind::awaiting_input};
        case Phase::ready:
            prepare_rows(st, settings_may_change);
            break;
        default: break;
    }
    // A set-up on its worker: the rows start once it is done, at a later call than the one
    // that set it off.
    if (d.phase == Phase::preparing) {
        if (!was_preparing) return {DriverStep::Kind::preparing, kPreparationPollMs};
        if (std::optional<DriverStep> waiting = preparation_step(st)) return *waiting;
    }
    return image_row(st, settings_may_change);
}

}  // namespace

DriverStep fractaldriver(LiveState& state) { return drive(state, true); }

bool awaiting_input(const LiveState& state) { return state.driver.impl().phase == Phase::awaiting; }

bool deliver_input(LiveState& state, StopRequest input) {
    DriverState::Impl& d = state.driver.impl();
    if (d.phase == Phase::awaiting && !is_whole_image(state.settings.ftype)) {
        d.phase = Phase::ready;
        return true;
    }
    const int t = state.settings.ftype;
    if (is_whole_image(t) && stopped_by_input(t) && d.whole && d.run_active) {
        d.whole->stop_request(input);
        return true;
    }
    return false;
}

void restart_render(LiveState& state) {
    DriverState::Impl& d = state.driver.impl();
    d.rows.stop();
    d.preparation.reset();
    d.phase = Phase::idle;
    d.image.reset();
    d.preliminary.reset();
    d.parts.reset();
    state.render.j = 0;
}

void discard_rows_in_flight(LiveState& state) { state.driver.impl().rows.stop(); }

void set_render_threads(int threads) { g_threads = std::max(1, threads); }

int render_threads() { return g_threads; }

bool render_image(LiveState& state, const std::function<void(long done)>& progress, const StepBudget& budget) {
    const int t = state.settings.ftype;
    if (!state.types->available(t)) return false;
    restart_render(state);
    if (is_whole_image(t)) {
        // No waits headless: the steps of each plot run back to back. Nobody presses Pause
        // either: a run only input ends is paused after its budget of counted steps.
        DriverState::Impl& d = state.driver.impl();
        long counted = 0;
        for (int plot = 0; plot < budget.plots; ++plot) {
            state.render.okfractal = true;
            for (long done = 0; state.render.okfractal;) {
                if (stopped_by_input(t) && done == budget.steps) deliver_input(state, StopRequest::pause);
                drive(state, false);
                if (d.last_step_counted) {
                    ++done;
                    if (progress) progress(++counted);
                }
            }
        }
        return true;
    }
    state.render.okfractal = true;
    while (state.render.okfractal) {
        const DriverStep step = drive(state, false);
        // Nobody to press a key: the image follows its preliminary pass at once.
        if (step.kind == DriverStep::Kind::awaiting_input) deliver_input(state, StopRequest::click);
        if (progress && (step.kind == DriverStep::Kind::row || step.kind == DriverStep::Kind::image_done))
            progress(state.render.okfractal ? state.render.j : state.settings.yres);
    }
    return true;
}

WholeImagePtr orbit_trace(LiveState& state, Point pixel) {
    DriverState::Impl& d = state.driver.impl();
    if (!d.whole || d.run_active || !traces_orbits(d.whole_settings.ftype)) return nullptr;
    return d.whole->trace(pixel, state.settings);
}

StepResult animation_step(LiveState& state, WholeImage& animation) {
    Canvas canvas(state.image, state.host->screen());
    StepContext context{state.settings, *state.host, state.memory};
    const StepResult result = animation.step(canvas, context);
    canvas.present(*state.host);
    return result;
}

bool erase_orbit(LiveState& state) {
    DriverState::Impl& d = state.driver.impl();
    if (!d.whole || !traces_orbits(d.whole_settings.ftype)) return false;
    Canvas canvas(state.image, state.host->screen());
    const bool erased = d.whole->restore_clean(canvas);
    canvas.present(*state.host);
    return erased;
}

}  // namespace zoquel
