// The status line's part in the window: where the pointer is, how deep the view is, how far
// the render has come.
#include <algorithm>
#include <cmath>

#include "rules/deep_zoom.h"
#include "rules/view_zoom.h"
#include "shell/main_window.h"
#include "shell/status_line.h"

namespace zoquel::shell {

namespace {
// The status line's progress is refreshed at most this often.
constexpr int kStatusIntervalMs = 100;
}  // namespace

void MainWindow::pointer_at(std::optional<QPoint> pixel) {
    pointer_ = pixel;
    const Settings& s = settings();
    if (!pixel || !in_image_area(pixel->x(), pixel->y()) || is_whole_image(s.ftype) || s.xres < 2 || s.yres < 2) {
        status_->show_pointer(std::nullopt, 0);
        return;
    }
    // The mapping of the image shown, as the driver computed its pixels; before the first
    // image, that of the settings.
    const ImageGeometry& shown = render().geometry;
    const ImageGeometry g =
        shown.xres == s.xres && shown.yres == s.yres ? shown : ImageGeometry::of(s.view(), s.xres, s.yres);
    const Cx point{g.column_x(pixel->x()), g.row_y(pixel->y())};
    if (auto texts = deep_pointer(s, pixel->x(), pixel->y())) {
        status_->show_pointer(QString::fromStdString(texts->first), QString::fromStdString(texts->second), point);
        return;
    }
    const double pixel_size = std::min(std::fabs(g.xside) / (g.xres - 1), std::fabs(g.yside) / (g.yres - 1));
    status_->show_pointer(point, coordinate_decimals(pixel_size));
}

void MainWindow::update_status(bool force) {
    if (!force && status_clock_.isValid() && status_clock_.elapsed() < kStatusIntervalMs) return;
    status_clock_.start();
    const Settings& s = settings();
    const View& start = type_info(s.ftype).default_view[std::size_t(s.method)];
    if (active_deep_view(s))
        status_->show_view(QString::fromStdString(deep_magnification(s)), s.ftype, s.method);
    else
        status_->show_view(magnification(start, s.view()), s.ftype, s.method);
    if (!rendering()) return;
    const long long ms = render_ms_ + (render_clock_.isValid() ? render_clock_.elapsed() : 0);
    if (is_whole_image(s.ftype))
        status_->show_drawing(ms, true);
    else
        status_->show_rows(render().j, s.yres, ms, false);
}

void MainWindow::render_stopped(bool finished) {
    history_.update_current(settings());
    // The pointer stays where it was over a new view.
    pointer_at(pointer_);
    if (render_clock_.isValid()) render_ms_ += render_clock_.elapsed();
    render_clock_.invalidate();
    update_status(true);
    const Settings& s = settings();
    if (finished)
        status_->show_done(render_ms_);
    else if (is_whole_image(s.ftype))
        status_->show_drawing(render_ms_, false);
    else
        status_->show_rows(render().j, s.yres, render_ms_, true);
    if (fit_pending_) QMetaObject::invokeMethod(this, [this] { fit_image_to_window(); }, Qt::QueuedConnection);
}

}  // namespace zoquel::shell
