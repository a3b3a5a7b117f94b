#include "shell/zoom_box.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "render/driver.h"
#include "render/thumbnail.h"
#include "rules/view_zoom.h"
#include "shell/image_view.h"
#include "shell/main_window.h"
#include "rules/deep_zoom.h"
#include "shell/messages.h"

namespace zoquel::shell {

namespace {

Rect area(const BoxRect& b, int width, int height) { return Rect{b.left, b.top, b.left + width, b.top + height}; }

}  // namespace

bool MainWindow::in_image_area(int x, int y) const {
    const Settings& s = live().settings;
    const QSize client = view_->device_size();
    return x >= 0 && y >= 0 && x < std::min(s.xres, client.width()) && y < std::min(s.yres, client.height());
}

void MainWindow::left_button_down(int x, int y) {
    when_free([this, x, y] {
        ZoomState& z = shell_.zoom;
        if (rendering()) {
            input_while_rendering(StopRequest::click);
        } else if (shell_.okzoom) {
            if (!in_image_area(x, y)) return;
            z.drawbox = true;
            z.erasebox = false;
            z.startxpos = x;
            z.startypos = y;
            z.oldzoombox = BoxRect{0, 0, 2, 2};
        } else if (shell_.okorbit && in_image_area(x, y)) {
            // Clicks alternate between tracing the orbit of a point and erasing it.
            if (shell_.eraseorbit) {
                erase_orbit(live());
                shell_.eraseorbit = false;
            } else if (WholeImagePtr trace = orbit_trace(live(), Point{x, y})) {
                start_animation(std::move(trace));
                shell_.eraseorbit = true;
            }
        }
    });
}

void MainWindow::mouse_move(int x, int y) {
    when_free([this, x, y] {
        ZoomState& z = shell_.zoom;
        if (rendering() || !in_image_area(x, y) || !z.drawbox) return;
        z.nextxpos = x;
        z.nextypos = y;
        z.zoombox = BoxRect{std::min(z.startxpos, x), std::min(z.startypos, y), std::max(z.startxpos, x),
                            std::max(z.startypos, y)};
        if (z.zoombox.right == z.zoombox.left || z.zoombox.bottom == z.zoombox.top) return;
        if (z.erasebox) {
            const Rect old = area(z.oldzoombox, z.width, z.height);
            screen().copy_from(live().image, old, old.left, old.top);
            present(old);
        } else {
            z.erasebox = true;
        }
        z.framezoombox = BoxRect{z.zoombox.left, z.zoombox.top, z.zoombox.right + 1, z.zoombox.bottom + 1};
        const Rect frame{z.framezoombox.left, z.framezoombox.top, z.framezoombox.right, z.framezoombox.bottom};
        screen().frame_rect(frame, kWhite);
        present(frame);
        z.oldzoombox = z.framezoombox;
        z.width = z.framezoombox.right - z.framezoombox.left + 2;
        z.height = z.framezoombox.bottom - z.framezoombox.top + 2;
        char title[64];
        std::snprintf(title, sizeof title, text::kAspectRatioTitle,
                      std::fabs(double(z.zoombox.right - z.zoombox.left) / (z.zoombox.bottom - z.zoombox.top)));
        setWindowTitle(QString::fromLatin1(title));
    });
}

void MainWindow::left_button_up() {
    when_free([this] {
        ZoomState& z = shell_.zoom;
        // Only a press that started a box counts: a click outside the image does nothing.
        if (!shell_.okzoom || !z.drawbox) return;
        z.zooming = true;
        if (z.zoombox.right - z.zoombox.left >= 2 && z.zoombox.bottom - z.zoombox.top >= 2) {
            z.drawbox = false;
            shell_.okzoom = false;
        } else {
            post_key(Qt::Key_X);
        }
    });
}

void MainWindow::zoom_in() {
    ZoomState& z = shell_.zoom;
    LiveState& st = live();
    Settings& s = st.settings;
    z.zooming = false;
    const BoxRect& b = z.zoombox;
    const PixelBox box{double(b.left), double(b.top), double(b.right), double(b.bottom)};
    const View doubles = zoomed_view(s.view(), st.render.geometry.xside, st.render.geometry.yside, s.xres, s.yres, box);
    const ZoomOutcome outcome = zoom_to_box(s, doubles, box);
    if (!outcome.zoomed) {
        cancel_box();
        message(outcome.refusal, text::kTitle);
        return;
    }
    setWindowTitle(QString::fromStdString(title_with_magnification(s, text::kTitle)));
    restart_image();
    start_render();
}

void MainWindow::cancel_box() {
    ZoomState& z = shell_.zoom;
    shell_.okzoom = true;
    z.zooming = false;
    z.drawbox = false;
    const Rect old = area(z.oldzoombox, z.width, z.height);
    screen().copy_from(live().image, old, old.left, old.top);
    present(old);
    setWindowTitle(QString::fromStdString(title_with_magnification(live().settings, text::kTitle)));
}

void MainWindow::redraw_box_outline() {
    // A repaint put the image back under a box that still waits for Z: draw its outline again.
    const ZoomState& z = shell_.zoom;
    if (!z.erasebox || !(z.drawbox || z.zooming)) return;
    const BoxRect& f = z.framezoombox;
    screen().frame_rect(Rect{f.left, f.top, f.right, f.bottom}, kWhite);
}

void MainWindow::right_button_down(int x, int y) {
    when_free([this, x, y] {
        LiveState& st = live();
        Settings& s = st.settings;
        const ImageGeometry& g = st.render.geometry;
        if (rendering()) {
            input_while_rendering(StopRequest::click);
        } else if (s.method == 0 && type_info(s.ftype).thumbflag) {
            if (shell_.okthumbnail == 1 && in_image_area(x, y)) {
                shell_.jhdc.copy_from(screen(), shell_.jhdc.bounds(), 0, 0);
                const View& v = s.xyminmax[std::size_t(s.ftype)][0];
                shell_.tjcx = v.xmin + x * g.xside / (s.xres - 1);
                shell_.tjcy = v.ymin + (s.yres - y - 1) * g.yside / (s.yres - 1);
                if (show_thumbnail(st, Cx{shell_.tjcx, shell_.tjcy})) shell_.okthumbnail = 2;
            } else if (shell_.okthumbnail == 2) {
                screen().copy_from(shell_.jhdc, shell_.jhdc.bounds(), 0, 0);
                st.image.copy_from(shell_.jhdc, shell_.jhdc.bounds(), 0, 0);
                present(Rect{0, 0, 150, 150});
                shell_.okthumbnail = 1;
            }
        }
    });
}

}  // namespace zoquel::shell
