#pragma once
#include <optional>
#include <string>
#include <utility>

#include "model/settings.h"
#include "rules/view_zoom.h"

namespace zoquel {

// What zooming into a box did: the view changed, or why it did not.
struct ZoomOutcome {
    bool zoomed = false;
    std::string refusal;  // a message for the user when the view cannot be shown
};

// Moves the settings' view to the box of the image shown (any zoom, pan or box). `double_view`
// is the box's view as doubles compute it (zoomed_view): kept wherever doubles resolve it, so
// such views stay exactly as they were. Past that a type with a deep path continues in exact
// arithmetic from its deep view; any other type keeps its view and says why.
ZoomOutcome zoom_to_box(Settings& s, const View& double_view, const PixelBox& box);

// The settings' deep view over an image of a new size with the same centre and pixel size;
// false where no deep view applies.
bool resize_deep_view(Settings& s, int new_xres, int new_yres);

// The point of pixel (column, row) as texts where the image goes the deep way (doubles cannot
// tell its pixels apart); nothing elsewhere.
std::optional<std::pair<std::string, std::string>> deep_pointer(const Settings& s, int column, int row);

// How many times the type's start-up view is wider than the deep view, as text ("1.50e+305").
std::string deep_magnification(const Settings& s);

// The explorer's deep view control: the centre and width as decimal texts and the iteration
// limit, which may go beyond the parameter dialog's up to kDeepMaxIterations.
struct DeepViewForm {
    std::string re, im, width;
    long maxiter = 256;
};
// The form of the settings' deep view, or of the double view where none applies.
DeepViewForm deep_view_form_from(const Settings& s);
// Stores the form as the settings' deep view, or returns why it is refused (all or nothing).
std::string commit_deep_view_form(Settings& s, const DeepViewForm& form);

// The window title: `base`, with the magnification where a deep view applies.
std::string title_with_magnification(const Settings& s, const std::string& base);

}  // namespace zoquel
