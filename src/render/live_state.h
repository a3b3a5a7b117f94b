#pragma once
#include <memory>

#include "model/type_memory.h"
#include "model/settings.h"
#include "platform/host.h"
#include "platform/surface.h"
#include "render/render_state.h"
#include "render/type_registry.h"
#include "rules/type_selection.h"

namespace zoquel {

// What the driver keeps of the image under way: its object, the rows computed ahead, the
// generator of a whole image. Only the driver looks inside.
class DriverState {
public:
    struct Impl;
    DriverState();
    ~DriverState();
    DriverState(DriverState&&) noexcept;
    DriverState& operator=(DriverState&&) noexcept;
    Impl& impl() { return *impl_; }
    const Impl& impl() const { return *impl_; }

private:
    std::unique_ptr<Impl> impl_;
};

// Everything a render reads and writes: the settings, the driver's progress, the image
// surface, what the types keep between images and the front end it reports to. The explorer
// has one live instance; a headless render or a test may make its own.
struct LiveState {
    Settings settings;
    RenderState render;
    FirstTimeFlags firsttime = all_first_time();
    Surface image;  // the image bitmap
    TypeMemory memory;
    Host* host = nullptr;
    const TypeRegistry* types = &standard_types();
    DriverState driver;
};

LiveState& live();

// Back to start-up values, with the image at the settings' size, filled black.
void reset_live_state(Host& host);

// The host used when none was given: no window.
Host& headless_host();

}  // namespace zoquel
