#include "render/live_state.h"

#include "render/driver.h"

namespace zoquel {

Host& headless_host() {
    static HeadlessHost host;
    return host;
}

LiveState& live() {
    static LiveState state = [] {
        LiveState s;
        s.host = &headless_host();
        s.image.resize(s.settings.xres, s.settings.yres);
        return s;
    }();
    return state;
}

void reset_live_state(Host& host) {
    LiveState& s = live();
    restart_render(s);
    s.settings = Settings{};
    s.render = RenderState{};
    s.firsttime = all_first_time();
    s.memory = TypeMemory{};
    s.image.resize(s.settings.xres, s.settings.yres);
    s.host = &host;
    s.types = &standard_types();
    s.driver = DriverState{};
}

}  // namespace zoquel
