#include "model/settings.h"

namespace zoquel {

Settings::Settings() {
    for (int t = 0; t < kTypeCount; ++t) {
        const TypeInfo& info = type_info(t);
        xyminmax[std::size_t(t)] = info.default_view;
        pc[std::size_t(t)] = info.default_params;
    }
}

bool valid_lyapunov_letters(const std::string& sequence) {
    if (sequence.empty()) return false;
    for (char c : sequence)
        if (c != 'a' && c != 'b' && c != 'A' && c != 'B') return false;
    return true;
}

const View& startup_view(int ftype, int method) {
    return type_info(ftype).default_view[std::size_t(method)];
}

const Param& startup_params(int ftype) { return type_info(ftype).default_params; }

}  // namespace zoquel
