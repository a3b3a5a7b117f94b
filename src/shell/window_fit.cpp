// The image size following the window, when the user asks for it.
#include <QScrollArea>
#include <algorithm>

#include "rules/deep_zoom.h"
#include "rules/view_zoom.h"
#include "shell/image_view.h"
#include "shell/main_window.h"
#include "shell/status_line.h"

namespace zoquel::shell {

void MainWindow::set_follow_window(bool on) {
    shell_.follow_window = on;
    status_->show_note(on ? "the image follows the window (Ctrl+F)" : "the image keeps its size (Ctrl+F)");
    if (on) fit_image_to_window();
}

void MainWindow::fit_image_to_window() {
    when_free([this] {
        if (!shell_.follow_window) return;
        if (rendering()) {
            fit_pending_ = true;
            return;
        }
        fit_pending_ = false;
        const QWidget* area = scroll_->viewport();
        const double r = view_->ratio();
        const int w = std::clamp(int(area->width() * r), kMinImageSide, kMaxImageSide);
        const int h = std::clamp(int(area->height() * r), kMinImageSide, kMaxImageSide);
        Settings& s = settings();
        if (w == s.xres && h == s.yres) return;
        stop_animation();
        const Settings before = s;
        // A per-pixel image keeps its centre and pixel size (a deep view exactly); other views
        // stretch to the size.
        if (!resize_deep_view(s, w, h) && !is_whole_image(s.ftype)) {
            const ImageGeometry& g = render().geometry;
            const bool shown = g.xres == s.xres && g.yres == s.yres && g.view == s.view();
            s.view() = zoomed_view(s.view(), shown ? g.xside : s.view().xmax - s.view().xmin,
                                   shown ? g.yside : s.view().ymax - s.view().ymin, s.xres, s.yres,
                                   resize_box(s.xres, s.yres, w, h));
        }
        s.xres = w;
        s.yres = h;
        recreate_image();
        restart_image();
        if (is_first_loop_type(s.ftype)) render().firstloop = true;
        settings_changed(before);
        // Only a window that showed an image renders again.
        if (history_.current()) start_render();
    });
}

}  // namespace zoquel::shell
