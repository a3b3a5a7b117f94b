#include "render/settings.h"

namespace zoquel {

Settings::Settings() {
    for (int t = 0; t < kTypeCount; ++t) {
        const TypeInfo& info = type_info(t);
        xyminmax[std::size_t(t)] = info.default_view;
        pc[std::size_t(t)] = info.default_params;
    }
}

const View& startup_view(int ftype, int method) {
    return type_info(ftype).default_view[std::size_t(method)];
}

const Param& startup_params(int ftype) { return type_info(ftype).default_params; }

}  // namespace zoquel
