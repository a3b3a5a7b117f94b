#pragma once
#include "platform/host.h"
#include "platform/surface.h"
#include "render/render_state.h"
#include "model/settings.h"
#include "rules/type_selection.h"

namespace zoquel {

// The one live instance of everything a render reads and writes: the settings generators
// read, the driver's progress, the image surface and the front end it reports to.
struct LiveState {
    Settings settings;
    RenderState render;
    FirstTimeFlags firsttime = all_first_time();
    Surface image;  // the image bitmap
    Host* host = nullptr;
};

LiveState& live();

// Back to start-up values, with the image at the settings' size, filled black.
void reset_live_state(Host& host);

// The host used when none was given: no window.
Host& headless_host();

}  // namespace zoquel
