// Finding one's way around the plane: the view history, wheel and key zoom, panning, and the
// status line that says where the pointer is and how far a render has come.
#include <QKeySequence>
#include <QScrollArea>
#include <algorithm>
#include <cmath>

#include "rules/view_zoom.h"
#include "shell/image_view.h"
#include "shell/main_window.h"
#include "shell/messages.h"
#include "shell/status_line.h"

namespace zoquel::shell {

namespace {

// One wheel notch or one + or - zooms by this factor.
constexpr double kZoomStep = 2.0;
// The arrow keys move the view by this fraction of the image.
constexpr double kPanFraction = 0.25;
// The status line's progress is refreshed at most this often.
constexpr int kStatusIntervalMs = 100;

bool same_key(const QKeySequence& pressed, QKeySequence::StandardKey k) {
    return QKeySequence::keyBindings(k).contains(pressed);
}

}  // namespace

bool MainWindow::view_navigable() const {
    const LiveState& st = live();
    const Settings& s = st.settings;
    const ImageGeometry& g = st.render.geometry;
    // The view arithmetic is that of the image shown: only a finished per-pixel image of the
    // current size has one.
    return !rendering() && !in_driver_ && shell_.okzoom && !is_whole_image(s.ftype) && g.xres == s.xres &&
           g.yres == s.yres && s.xres > 1 && s.yres > 1;
}

void MainWindow::show_settings(const Settings& target) {
    stop_animation();
    LiveState& st = live();
    const Settings before = st.settings;
    st.settings = target;
    if (target.xres != before.xres || target.yres != before.yres) recreate_image();
    restart_image();
    if (is_first_loop_type(target.ftype)) st.render.firstloop = true;
    st.memory.nvfirst = true;
    settings_changed(before);
    start_render();
}

void MainWindow::go_back() {
    when_free([this] {
        if (rendering()) return;
        // Settings changed since the last image (a dialog, a key) go back to that image first.
        const Settings* here = history_.current();
        if (here && !(*here == settings())) {
            show_settings(*here);
        } else if (std::optional<Settings> s = history_.back()) {
            show_settings(*s);
        }
    });
}

void MainWindow::go_forward() {
    when_free([this] {
        if (rendering()) return;
        if (std::optional<Settings> s = history_.forward()) show_settings(*s);
    });
}

void MainWindow::zoom_about(double x, double y, double factor) {
    when_free([this, x, y, factor] {
        if (!view_navigable()) return;
        Settings& s = settings();
        const Settings before = s;
        const ImageGeometry& g = render().geometry;
        s.view() = zoomed_view(s.view(), g.xside, g.yside, s.xres, s.yres, zoom_box_about(s.xres, s.yres, x, y, factor));
        settings_changed(before);
        restart_image();
        start_render();
    });
}

void MainWindow::pan_view(double dx, double dy) {
    when_free([this, dx, dy] {
        if (!view_navigable()) return;
        Settings& s = settings();
        const Settings before = s;
        const ImageGeometry& g = render().geometry;
        s.view() = zoomed_view(s.view(), g.xside, g.yside, s.xres, s.yres, pan_box(s.xres, s.yres, dx, dy));
        settings_changed(before);
        restart_image();
        start_render();
    });
}

void MainWindow::wheel_zoom(int x, int y, int notches) {
    if (notches == 0 || !in_image_area(x, y)) return;
    zoom_about(x, y, std::pow(kZoomStep, notches));
}

void MainWindow::begin_pan(int x, int y) {
    if (!view_navigable() || !in_image_area(x, y)) return;
    pan_start_ = QPoint(x, y);
}

void MainWindow::pan_move(int x, int y) {
    if (!pan_start_) return;
    // A preview on the screen only: the image moves with the pointer over black.
    Surface& sc = screen();
    sc.fill(kBlack);
    const Surface& image = live().image;
    sc.copy_from(image, image.bounds(), x - pan_start_->x(), y - pan_start_->y());
    present(sc.bounds());
}

void MainWindow::end_pan(int x, int y) {
    if (!pan_start_) return;
    const QPoint from = *pan_start_;
    pan_start_.reset();
    if (QPoint(x, y) == from || !view_navigable()) {
        screen().fill(kBlack);
        screen().copy_from(live().image, live().image.bounds(), 0, 0);
        present(screen().bounds());
        return;
    }
    pan_view(from.x() - x, from.y() - y);
}

bool MainWindow::navigation_key(int qt_key, Qt::KeyboardModifiers modifiers) {
    const QKeySequence pressed(QKeyCombination(modifiers, Qt::Key(qt_key)));
    if ((qt_key == Qt::Key_Backspace && modifiers == Qt::NoModifier) || qt_key == Qt::Key_Back ||
        same_key(pressed, QKeySequence::Back)) {
        go_back();
        return true;
    }
    if ((qt_key == Qt::Key_Backspace && modifiers == Qt::ShiftModifier) || qt_key == Qt::Key_Forward ||
        same_key(pressed, QKeySequence::Forward)) {
        go_forward();
        return true;
    }
    if (qt_key == Qt::Key_F && modifiers == Qt::ControlModifier) {
        set_follow_window(!shell_.follow_window);
        return true;
    }
    const Settings& s = settings();
    const double cx = (s.xres - 1) / 2.0, cy = (s.yres - 1) / 2.0;
    const double px = (s.xres - 1) * kPanFraction, py = (s.yres - 1) * kPanFraction;
    // + comes with Shift on many keyboards.
    const bool plain = (modifiers & ~Qt::ShiftModifier) == Qt::NoModifier;
    switch (qt_key) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            if (!plain) return false;
            zoom_about(cx, cy, kZoomStep);
            return true;
        case Qt::Key_Minus:
        case Qt::Key_Underscore:
            if (!plain) return false;
            zoom_about(cx, cy, 1 / kZoomStep);
            return true;
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (modifiers != Qt::NoModifier) return false;
            pan_view(qt_key == Qt::Key_Left ? -px : qt_key == Qt::Key_Right ? px : 0,
                     qt_key == Qt::Key_Up ? -py : qt_key == Qt::Key_Down ? py : 0);
            return true;
        default:
            return false;
    }
}

void MainWindow::pointer_at(std::optional<QPoint> pixel) {
    const Settings& s = settings();
    if (!pixel || !in_image_area(pixel->x(), pixel->y()) || is_whole_image(s.ftype) || s.xres < 2 || s.yres < 2) {
        status_->show_pointer(std::nullopt, 0);
        return;
    }
    // The mapping of the image shown, as the driver computed its pixels; before the first
    // image, that of the settings.
    const ImageGeometry& shown = render().geometry;
    const ImageGeometry g = shown.xres == s.xres && shown.yres == s.yres ? shown : ImageGeometry::of(s.view(), s.xres, s.yres);
    const double pixel_size = std::min(std::fabs(g.xside) / (g.xres - 1), std::fabs(g.yside) / (g.yres - 1));
    status_->show_pointer(Cx{g.column_x(pixel->x()), g.row_y(pixel->y())}, coordinate_decimals(pixel_size));
}

void MainWindow::update_status(bool force) {
    if (!force && status_clock_.isValid() && status_clock_.elapsed() < kStatusIntervalMs) return;
    status_clock_.start();
    const Settings& s = settings();
    status_->show_view(magnification(type_info(s.ftype).default_view[std::size_t(s.method)], s.view()), s.ftype, s.method);
    if (!rendering()) return;
    const long long ms = render_ms_ + (render_clock_.isValid() ? render_clock_.elapsed() : 0);
    if (is_whole_image(s.ftype))
        status_->show_drawing(ms, true);
    else
        status_->show_rows(render().j, s.yres, ms, false);
}

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
        // A per-pixel image keeps its centre and pixel size; other views stretch to the size.
        if (!is_whole_image(s.ftype)) {
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

void MainWindow::render_stopped(bool finished) {
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

void MainWindow::redraw_box_outline() {
    // A repaint put the image back under a box that still waits for Z: draw its outline again.
    const ZoomState& z = shell_.zoom;
    if (!z.erasebox || !(z.drawbox || z.zooming)) return;
    const BoxRect& f = z.framezoombox;
    screen().frame_rect(Rect{f.left, f.top, f.right, f.bottom}, kWhite);
}

void MainWindow::confirm_exit(std::function<void()> exit) {
    if (!shell_.unsaved) {
        exit();
        return;
    }
    ui_->ask(text::kUnsavedExit, text::kTitle, [exit = std::move(exit)](bool yes) {
        if (yes) exit();
    });
}

}  // namespace zoquel::shell
