#pragma once
#include "model/type_table.h"

namespace zoquel::shell {

// A rectangle by its edge pixels (left, top, right, bottom), as the zoom box is kept.
struct BoxRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const BoxRect&, const BoxRect&) = default;
};

struct ZoomState {
    bool drawbox = false;   // the left button went down in the image: moves draw the box
    bool zooming = false;   // the button went up: a box waits for Z or X
    bool erasebox = false;  // an outline of this drag has been drawn
    int startxpos = 0, startypos = 0, nextxpos = 0, nextypos = 0;
    BoxRect zoombox, framezoombox, oldzoombox;
    int width = 0, height = 0;  // the area to restore when erasing
};

}  // namespace zoquel::shell
