#include "model/settings.h"

#include <algorithm>
#include <utility>

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

bool settle_view(View& v, int* failed) {
    for (int axis = 0; axis < 2; ++axis) {
        double lo = v[2 * axis], hi = v[2 * axis + 1];
        if (lo > hi) std::swap(lo, hi);
        lo = std::max(lo, -32.0);
        hi = std::min(hi, 32.0);
        if (!(hi - lo >= 1e-15)) {
            if (failed) *failed = axis;
            return false;
        }
        v[2 * axis] = lo;
        v[2 * axis + 1] = hi;
    }
    return true;
}

const View& startup_view(int ftype, int method) {
    return type_info(ftype).default_view[std::size_t(method)];
}

const Param& startup_params(int ftype) { return type_info(ftype).default_params; }

}  // namespace zoquel
