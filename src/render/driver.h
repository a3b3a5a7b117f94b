#pragma once
#include <functional>

#include "model/whole_image.h"
#include "render/live_state.h"

namespace zoquel {

// What one call of the driver did, for the front end to act on.
struct DriverStep {
    enum class Kind {
        nothing,          // the type has nothing to render: the render ended
        preliminary_row,  // a row of the preliminary pass was shown
        awaiting_input,   // the preliminary pass is shown: a key or click goes on to the image
        row,              // a row of the image was rendered and shown
        image_done,       // the image's last row: the image is complete
        whole_image,      // a step of a whole-image generator; okfractal says whether more follow
        preparing,        // the image's set-up runs on a worker: call again after delay_ms
    };
    Kind kind = Kind::nothing;
    int delay_ms = 0;  // before the next call: the pacing of a whole-image generator
};

// fractaldriver: one bounded piece of rendering on the state: a row of a per-pixel image (or
// of its preliminary pass), or a step of a whole-image generator. Called while okfractal is set.
DriverStep fractaldriver(LiveState& state);

// A key or click during a render, where the render takes one: it ends the wait after a
// preliminary pass, and reaches the running generator of a type that Pause and clicks stop.
// False when the render has no use for it.
bool deliver_input(LiveState& state, StopRequest input);
// True while the render waits for a key or click to go on from its preliminary pass.
bool awaiting_input(const LiveState& state);

// The next plot starts a new image (j = 0): what was under way is dropped.
void restart_render(LiveState& state);
// Drops rows computed ahead; call when the settings change under a paused image.
void discard_rows_in_flight(LiveState& state);

// The orbit traces of a finished image of a type that traces orbits (the Orbits type): the
// trace of a pixel as a run of paced steps, null where there is no finished image; a step of
// it over the live image and screen; the clean image back over a trace.
WholeImagePtr orbit_trace(LiveState& state, Point pixel);
StepResult animation_step(LiveState& state, WholeImage& animation);
bool erase_orbit(LiveState& state);

// How many threads compute rows of per-pixel images (1: on the caller's thread). Rows are
// still handed out one per driver call, in order, and the image is the same for any count.
void set_render_threads(int threads);
int render_threads();

// How much of a whole-image type a headless render draws: plots in a row (a further plot goes
// on where a continuing generator stopped), and for the types only Pause or a click stops
// (animations, the aggregation) the steps after which a run is paused.
struct StepBudget {
    int plots = 1;
    long steps = 3000;  // negative: no limit
};

// Renders the whole current image into the image surface, as the explorer would (without
// waiting for input or pacing), calling `progress` with the rows done after each row of a
// per-pixel image, or with the steps a budget counts (particles) done in a whole-image run.
// False if the type has nothing to render.
bool render_image(LiveState& state, const std::function<void(long done)>& progress = {}, const StepBudget& budget = {});

}  // namespace zoquel
