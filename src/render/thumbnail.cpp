#include "render/thumbnail.h"

#include "model/type_table.h"
#include "render/live_state.h"
#include "render/type_registry.h"

namespace zoquel {

bool draw_thumbnail(const Settings& s, Cx c, Canvas& canvas) {
    const PrepareThumbnail prepare = implementation(s.ftype).thumbnail;
    if (!type_info(s.ftype).thumbflag || !prepare) return false;
    constexpr int last = kThumbnailSize - 1;
    const Point frame[4] = {{0, 0}, {last, 0}, {last, last}, {0, last}};
    for (int i = 0; i < 3; ++i) canvas.line(frame[i], frame[i + 1], kWhite, 1, Where::image);

    // Its own view, whatever the image's: the type's Julia sets at their start-up size.
    const View& v = startup_view(s.ftype, 1);
    const double xside = v.xmax - v.xmin, yside = v.ymax - v.ymin;
    const ThumbnailOrbit orbit = prepare(s, c);
    for (int i = 1; i <= last - 2; ++i) {
        const double y = v.ymin + (last - i) * yside / last;
        for (int j = 1; j <= last - 2; ++j) {
            const int k = orbit(Cx{v.xmin + j * xside / last, y});
            canvas.plot(j, i, k == 0 ? kBlack : pack(s.palette[std::size_t(k)]), Where::image);
        }
    }
    canvas.show(Rect{0, 0, kThumbnailSize, kThumbnailSize});
    return true;
}

bool show_thumbnail(LiveState& state, Cx c) {
    Canvas canvas(state.image, state.host->screen());
    const bool drawn = draw_thumbnail(state.settings, c, canvas);
    canvas.present(*state.host);
    return drawn;
}

}  // namespace zoquel
