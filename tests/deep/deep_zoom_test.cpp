#include <gtest/gtest.h>

#include "deep/deep_view_math.h"
#include "rules/deep_zoom.h"
#include "rules/parameter_rules.h"
#include "rules/type_selection.h"

namespace zoquel {
namespace {

// The box's view in doubles, as the explorer computes it.
View double_box(const View& v, int xres, int yres, int left, int top, int right, int bottom) {
    return zoomed_view(v, v.xmax - v.xmin, v.ymax - v.ymin, xres, yres,
                       PixelBox{double(left), double(top), double(right), double(bottom)});
}

Settings fresh(int ftype) {
    Settings s;
    FirstTimeFlags first = all_first_time();
    choose_type(s, first, ftype, 0);
    return s;
}

ZoomOutcome zoom(Settings& s, int left, int top, int right, int bottom) {
    return zoom_to_box(s, double_box(s.view(), s.xres, s.yres, left, top, right, bottom),
                       PixelBox{double(left), double(top), double(right), double(bottom)});
}

// Zooms that doubles resolve give the doubles' view as before; past them type 0 goes on in a
// deep view without losing a digit, a hundred times in a row; other types refuse and keep
// their view.
TEST(DeepZoom, DoublesWhileTheyResolveThenExactForTypeZeroOnly) {
    Settings s = fresh(0);
    const View expected = double_box(s.view(), 600, 600, 100, 200, 400, 500);
    ASSERT_TRUE(zoom(s, 100, 200, 400, 500).zoomed);
    EXPECT_EQ(s.view(), expected);
    EXPECT_FALSE(s.deep);
    EXPECT_EQ(deep_magnification(s), "");
    EXPECT_EQ(title_with_magnification(s, "Zoquel"), "Zoquel");

    for (int k = 0; k < 100; ++k) ASSERT_TRUE(zoom(s, 290, 297, 300, 307).zoomed);  // about 60x each
    ASSERT_TRUE(active_deep_view(s));
    EXPECT_TRUE(deep::uses_deep_path(s));
    EXPECT_EQ(s.view(), s.deep->corners);
    EXPECT_NE(title_with_magnification(s, "Zoquel").find("Zoquel - magnification"), std::string::npos);
    // 100 zooms of 10/599 from the width 3 * 300/599: about 1e-178.
    EXPECT_NE(s.deep->width.find("e-17"), std::string::npos) << s.deep->width;
    EXPECT_NE(deep_magnification(s).find("e+17"), std::string::npos) << deep_magnification(s);

    // A new image size keeps the centre and the pixel step exactly.
    const DeepView before_resize = *s.deep;
    ASSERT_TRUE(resize_deep_view(s, 1199, 300));
    EXPECT_EQ(s.deep->re, before_resize.re);
    EXPECT_EQ(s.xres, 1199);
    EXPECT_EQ(s.view(), s.deep->corners);
    EXPECT_FALSE(deep::pixel_step(*s.deep, 1199) < deep::pixel_step(before_resize, 600)) << s.deep->width;
    EXPECT_FALSE(deep::pixel_step(before_resize, 600) < deep::pixel_step(*s.deep, 1199)) << s.deep->width;

    // As deep as deep views go, and no further.
    s.deep = deep::make_deep_view(0, 0, "0", "1", "2e-100000", 600, 600);
    s.view() = s.deep->corners;
    const ZoomOutcome too_deep = zoom(s, 100, 100, 300, 300);
    EXPECT_FALSE(too_deep.zoomed);
    EXPECT_NE(too_deep.refusal.find("1e-100000"), std::string::npos);
    EXPECT_EQ(s.deep->width, "2e-100000");

    Settings newton = fresh(1);
    const View before = newton.view();
    ZoomOutcome refused{true, {}};
    for (int k = 0; k < 20 && refused.zoomed; ++k) refused = zoom(newton, 290, 297, 300, 307);
    EXPECT_FALSE(refused.zoomed);
    EXPECT_NE(refused.refusal.find("double precision"), std::string::npos);
    EXPECT_NE(newton.view(), before);  // the zooms before the refusal happened
    EXPECT_FALSE(newton.deep);
}

// The parameter dialog's OK keeps a deep view whose doubles come back unedited, with its long
// iteration limit, and follows a new image size; typed doubles replace it.
TEST(DeepZoom, ParameterFormKeepsAnUneditedDeepView) {
    Settings s = fresh(0);
    s.deep = deep::make_deep_view(0, 0, "0", "1", "1e-300", 600, 600);
    s.view() = s.deep->corners;
    s.maxiter = 50000;
    ParameterForm form = parameter_form_from(s);
    ASSERT_TRUE(commit_parameter_form(s, form).ok());
    ASSERT_TRUE(active_deep_view(s));
    EXPECT_EQ(s.maxiter, 50000);

    form = parameter_form_from(s);
    form.xres = 800;
    ASSERT_TRUE(commit_parameter_form(s, form).ok());
    ASSERT_TRUE(active_deep_view(s));
    EXPECT_EQ(s.deep->width, "1e-300");
    EXPECT_EQ(s.view(), deep::nearest_corners(*s.deep, 800, 600));

    form = parameter_form_from(s);
    form.maxiter = 60000;  // a new long limit is the deep view's own control's to set
    EXPECT_FALSE(commit_parameter_form(s, form).ok());

    form = parameter_form_from(s);
    form.maxiter = 1000;
    form.view = View{-1, 1, -1, 1};
    ASSERT_TRUE(commit_parameter_form(s, form).ok());
    EXPECT_FALSE(s.deep);
    EXPECT_EQ(s.view(), (View{-1, 1, -1, 1}));
}

}  // namespace
}  // namespace zoquel
