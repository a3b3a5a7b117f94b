#pragma once
#include "model/julia_cycle.h"

namespace zoquel {

// The render driver's progress and the flags it leaves for the main window.
struct RenderState {
    int j = 0;  // next row; 0 also means the next row starts a new image
    double xside = 0, yside = 0;
    double il = 0, lpsm = 0;  // smoothing constants
    double factor = 256;      // Siegel-disk scale
    bool okfractal = false;
    bool okzoom = false;
    int okthumbnail = 0;
    bool okorbit = false;
    bool firstloop = false;  // whole-image generators start afresh
    bool nvfirst = true;     // type 27 searches its roots again at the next image
    bool firsttimetext = true;  // the distance estimator has not explained itself yet
    Attractor attractor;
};

}  // namespace zoquel
