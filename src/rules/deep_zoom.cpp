#include "rules/deep_zoom.h"

#include "deep/deep_view_math.h"

#include <cctype>
#include <optional>

namespace zoquel {

namespace {

// A refusal as a message box says it: "The width must ...".
std::string sentence(std::string words) {
    if (!words.empty()) words[0] = char(std::toupper(static_cast<unsigned char>(words[0])));
    return words + ".";
}

}  // namespace

ZoomOutcome zoom_to_box(Settings& s, const View& double_view, const PixelBox& box) {
    const DeepView* deep = active_deep_view(s);
    const bool deep_capable = has_deep_path(s);
    if (box.right <= box.left || box.bottom <= box.top || (!deep && !(double_view.xmax > double_view.xmin))) {
        // Nothing to measure a deep view by: the doubles, as they come.
        s.deep.reset();
        s.view() = double_view;
        return {true, {}};
    }
    if (!deep) {
        const DeepView target = deep::deep_view_of(s.ftype, s.method, double_view, s.xres, s.yres);
        if (!deep_capable) {
            if (deep::unresolvable_in_doubles(target, s.xres))
                return {false, std::string(type_info(s.ftype).name) +
                                   " is computed in double precision, which cannot resolve a view this narrow.\n"
                                   "Mandelbrot/Julia with exponent 2 zooms further."};
            s.view() = double_view;
            return {true, {}};
        }
        if (!deep::beyond_double(target, s.xres)) {
            s.view() = double_view;
            return {true, {}};
        }
    }
    // Exact from here on: the box within the deep view (or the one the doubles stand for).
    const DeepView from = deep ? *deep : deep::deep_view_of(s.ftype, s.method, s.view(), s.xres, s.yres);
    const DeepView box_view = deep::zoomed_view(from, s.xres, s.yres, box.left, box.top, box.right, box.bottom);
    auto to = deep::deep_view_from_texts(s.ftype, s.method, box_view.re, box_view.im, box_view.width, s.xres, s.yres);
    if (auto* refusal = std::get_if<std::string>(&to)) return {false, sentence(*refusal)};
    s.deep = std::move(std::get<DeepView>(to));
    s.view() = s.deep->corners;
    return {true, {}};
}

DeepViewForm deep_view_form_from(const Settings& s) {
    const DeepView* deep = active_deep_view(s);
    const DeepView v = deep ? *deep : deep::deep_view_of(s.ftype, s.method, s.view(), s.xres, s.yres);
    return DeepViewForm{v.re, v.im, v.width, s.maxiter};
}

std::string commit_deep_view_form(Settings& s, const DeepViewForm& form) {
    if (!has_deep_path(s)) return "Deep views are for Mandelbrot/Julia with the exponent 2.";
    auto v = deep::deep_view_from_texts(s.ftype, s.method, form.re, form.im, form.width, s.xres, s.yres);
    if (auto* refusal = std::get_if<std::string>(&v)) return sentence(*refusal);
    if (form.maxiter < 1 || form.maxiter > kDeepMaxIterations)
        return "iteration range: 1 - " + std::to_string(kDeepMaxIterations);
    s.deep = std::move(std::get<DeepView>(v));
    s.view() = s.deep->corners;
    s.maxiter = int(form.maxiter);
    return {};
}

bool resize_deep_view(Settings& s, int new_xres, int new_yres) {
    const DeepView* deep = active_deep_view(s);
    if (!deep) return false;
    DeepView to = deep::resized_view(*deep, s.xres, new_xres, new_yres);
    s.xres = new_xres;
    s.yres = new_yres;
    s.view() = to.corners;
    s.deep = std::move(to);
    return true;
}

std::optional<std::pair<std::string, std::string>> deep_pointer(const Settings& s, int column, int row) {
    if (!deep::uses_deep_path(s)) return std::nullopt;
    return deep::pointer_texts(*active_deep_view(s), s.xres, s.yres, column, row);
}

std::string deep_magnification(const Settings& s) {
    const DeepView* deep = active_deep_view(s);
    if (!deep) return {};
    const View& home = type_info(s.ftype).default_view[std::size_t(s.method)];
    return deep::magnification_text(*deep, home.xmax - home.xmin);
}

std::string title_with_magnification(const Settings& s, const std::string& base) {
    return active_deep_view(s) ? base + " - magnification " + deep_magnification(s) : base;
}

}  // namespace zoquel
