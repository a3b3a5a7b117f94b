#include "render/live_state.h"

#include "formulas/collatz.h"

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
    s.settings = Settings{};
    s.render = RenderState{};
    s.firsttime = all_first_time();
    s.image.resize(s.settings.xres, s.settings.yres);
    s.host = &host;
    reset_collatz_roots();
}

}  // namespace zoquel
