#pragma once
#include <string>

#include "model/settings.h"

namespace zoquel {

// What zooming into a box did: the view changed, or why it did not.
struct ZoomOutcome {
    bool zoomed = false;
    std::string refusal;  // a message for the user when the view cannot be shown
};

// Zooms the settings' view into the box given by its edge pixels (left, top, right, bottom).
// `double_view` is the box's view as doubles compute it: kept wherever doubles resolve it, so
// such zooms stay exactly as they were. Past that a type with a deep path continues in exact
// arithmetic from its deep view; any other type keeps its view and says why.
ZoomOutcome zoom_to_box(Settings& s, const View& double_view, int left, int top, int right, int bottom);

// The window title: `base`, with the magnification where a deep view applies.
std::string title_with_magnification(const Settings& s, const std::string& base);

}  // namespace zoquel
