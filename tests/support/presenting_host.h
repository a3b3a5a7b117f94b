#pragma once
#include <vector>

#include "platform/host.h"

namespace zoquel {

// A host with no window that records what is presented.
class PresentingHost : public HeadlessHost {
public:
    void present(const Rect& r) override { shown.push_back(r); }
    std::vector<Rect> shown;
};

}  // namespace zoquel
