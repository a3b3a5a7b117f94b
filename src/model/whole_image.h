#pragma once
#include <memory>

#include "model/canvas.h"
#include "model/settings.h"
#include "model/type_memory.h"
#include "platform/host.h"

namespace zoquel {

// What one step of a whole-image generator asks of the driver.
struct StepResult {
    bool more = false;       // another step of this run follows
    int delay_ms = 0;        // before it: the pacing of an animation, 0 for at once
    bool firstloop = false;  // the run left nothing to go on with: the next plot starts afresh
    bool counted = true;     // the step finished a unit a budget counts (a frame, a particle)
};

// Input that reaches a running whole-image generator of a type that the type table says is
// stopped by Pause and clicks.
enum class StopRequest { pause, click };

// What a step may read and report through besides its canvas. The settings are the live
// ones: a run that goes on over several plots sees what was changed in between, and a
// generator may leave in them what its image settles (the orbits' constant).
struct StepContext {
    Settings& settings;
    Host& host;          // messages, and the time of day that seeds random numbers
    TypeMemory& memory;  // notices shown once per run of the program
};

// The message shown where a whole-image generator cannot have the memory it needs.
extern const char* const kMemoryNotice;
extern const char* const kMemoryCaption;

// One image of a whole-image type: the generator's state (its current point, counters,
// cluster, trail) between steps. A fresh object is what `firstloop` asks for.
class WholeImage {
public:
    virtual ~WholeImage() = default;
    // A plot command starts a run of steps (a run paused and resumed is not started again).
    virtual void begin_plot() {}
    // One bounded piece of drawing: a batch, a particle, an animation frame, an orbit.
    virtual StepResult step(Canvas& canvas, StepContext& context) = 0;
    // Pause or a click during the run; the generator answers at its next step.
    virtual void stop_request(StopRequest) {}

    // Types that trace orbits over their finished image: the trace of the pixel clicked, as a
    // run of paced steps, and the clean image back over any trace. Others have none.
    virtual std::unique_ptr<WholeImage> trace(Point /*pixel*/, const Settings&) const { return nullptr; }
    virtual bool restore_clean(Canvas&) const { return false; }
};

using WholeImagePtr = std::unique_ptr<WholeImage>;

}  // namespace zoquel
