#include "platform/random.h"

namespace zoquel {

namespace {
Random& shared() {
    static Random r;
    return r;
}
}  // namespace

void seed_random(unsigned seed) { shared().seed(seed); }

int random15() { return shared().next(); }

}  // namespace zoquel
