#include "render/prepared_image.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "deep/deep_image.h"
#include "deep/deep_view_math.h"

namespace zoquel {

ImageStart start_image(Settings& s) {
    ImageStart start;
    start.geometry = ImageGeometry::of(s.view(), s.xres, s.yres);
    if (s.outside == kOutsideSmoothing && !supplies_smoothing_fraction(s.ftype, s.method)) {
        start.constants.il = 1 / std::log(2.0);
        start.constants.lpsm = std::log(std::log(s.params().maxsize));
    }
    // Smoothing blends neighbouring entries for every type but the one that keeps its own step.
    if (s.outside == kOutsideSmoothing && !type_info(s.ftype).has(kOwnSmoothingStep)) s.cindex = 1;
    if (measures_julia_cycle(s.ftype)) {
        if (s.inside == kInsideSiegelDisks) start.constants.factor = s.maxiter < 256 ? 256 : s.maxiter;
        if (s.inside == kInsideJuliaLevelSets && s.method == 1)
            s.jperiod = juliaperiod(s.params().jcx, s.params().jcy, start.cycle);
    }
    return start;
}

PreparedImage prepare_image(Settings& s, const ImageStart& start, const TypeRegistry& types, Host& host,
                            TypeMemory& memory, double preliminary) {
    const ImageInput input{s, start.geometry, start.cycle, host, memory, preliminary};
    std::shared_ptr<const PixelImage> image;
    if (deep::uses_deep_path(s))
        image = deep::prepare_deep_image(input, *active_deep_view(s));
    else
        image = types[s.ftype].prepare(input);
    image->settle(s);
    return PreparedImage{s, start, std::move(image)};
}

bool prepares_slowly(const Settings& s) { return deep::uses_deep_path(s); }

PreparedImage prepare_image(Settings& s, Host& host, TypeMemory& memory, const TypeRegistry& types) {
    const ImageStart start = start_image(s);
    double preliminary = 0;
    if (PreparePreliminaryPass make = types[s.ftype].preliminary) {
        const std::unique_ptr<const PreliminaryPass> pass = make(ImageInput{s, start.geometry, start.cycle, host, memory});
        std::vector<Pixel> sketch(std::size_t(std::max(0, s.xres)));
        for (int row = 0; row < s.yres; ++row) preliminary = pass->combine(preliminary, pass->row(row, sketch.data()));
    }
    return prepare_image(s, start, types, host, memory, preliminary);
}

void PreparedImage::render_row(int row, Pixel* out) const {
    const ImageGeometry& g = geometry();
    const double y = g.row_y(row);
    const std::size_t w = std::size_t(std::max(0, g.xres));
    // Working memory, reused from row to row.
    thread_local std::vector<double> xs;
    thread_local std::vector<PixelResult> results;
    xs.resize(w);
    results.resize(w);
    if (image->row_at(row, int(w), results.data())) {
        for (std::size_t i = 0; i < w; ++i) out[i] = pack(coloring(settings, start.constants, results[i], image.get()));
        return;
    }
    for (std::size_t i = 0; i < w; ++i) xs[i] = g.column_x(int(i));
    if (image->row(xs.data(), y, int(w), results.data())) {
        for (std::size_t i = 0; i < w; ++i) out[i] = pack(coloring(settings, start.constants, results[i], image.get()));
        return;
    }
    for (std::size_t i = 0; i < w; ++i)
        out[i] = pack(coloring(settings, start.constants, image->pixel(xs[i], y), image.get()));
}

}  // namespace zoquel
