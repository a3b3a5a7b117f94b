#pragma once
#include <optional>
#include <string>
#include <utility>
#include <variant>

#include "deep/floatexp.h"
#include "model/deep_view.h"
#include "model/settings.h"

namespace zoquel::deep {

// Decimal text as the deep view takes it: an optional sign, digits with an optional point, an
// optional exponent ("-1.25", ".5e-1000"). Blanks around it are allowed.
bool is_decimal(const std::string& text);

// The binary precision that places every pixel of a view of this width exactly enough, with
// room for the orbit's growth.
long precision_bits(const std::string& width, int xres);

// Distance between neighbouring pixels: width / (xres - 1).
FloatExp pixel_step(const DeepView& v, int xres);

// The view's corners rounded to the nearest doubles (xmin, xmax, ymin, ymax).
View nearest_corners(const DeepView& v, int xres, int yres);

// The narrowest width a deep view takes: deeper ones would need reference orbits of megabytes
// per point.
constexpr const char* kNarrowestWidth = "1e-100000";

// Every view lies within this distance of 0, as the parameter dialog keeps it.
constexpr double kViewReach = 32;

// A deep view of the type and method from decimal texts, with its corners, or why the texts
// make none, in words for a message: a text that is not a number, a width below
// kNarrowestWidth, or a view reaching past kViewReach.
std::variant<DeepView, std::string> deep_view_from_texts(int ftype, int method, const std::string& re,
                                                         const std::string& im, const std::string& width, int xres,
                                                         int yres);

// The same where the reason does not matter.
std::optional<DeepView> make_deep_view(int ftype, int method, const std::string& re, const std::string& im,
                                       const std::string& width, int xres, int yres);

// Whether doubles would render this view visibly worse than exact arithmetic: its pixel step
// is within a few thousand units in the last place of its centre.
bool beyond_double(const DeepView& v, int xres);

// Whether neighbouring pixels of the view would lie fewer than four units in the last place of
// its centre apart: what a type computed in doubles cannot show.
bool unresolvable_in_doubles(const DeepView& v, int xres);

// Whether the settings' image goes the deep way: a deep view applies, the type has a deep path,
// and doubles could not render the view as well. Every other image keeps the double path.
bool uses_deep_path(const Settings& s);

// The view of the pixel rectangle (x0, y0)-(x1, y1) (columns and rows, fractions allowed) of
// an image of this view: the box's centre, exactly, and its width. The box's height follows
// from the image's shape, as pixels stay square.
DeepView zoomed_view(const DeepView& v, int xres, int yres, double x0, double y0, double x1, double y1);

// The view of an image of another size with the same centre and pixel step.
DeepView resized_view(const DeepView& v, int xres, int new_xres, int new_yres);

// A deep view of a double view (its centre and width, exactly as the doubles say).
DeepView deep_view_of(int ftype, int method, const View& view, int xres, int yres);

// The point of pixel (column, row) of an image of this view, as texts short enough for a status
// line: the centre's leading digits and the pixel's offset from it, "-0.7436438870371587… +1.25e-301".
std::pair<std::string, std::string> pointer_texts(const DeepView& v, int xres, int yres, int column, int row);

// "1.5e+305": how many times the type's default view is wider than this one.
std::string magnification_text(const DeepView& v, double default_width);

}  // namespace zoquel::deep
