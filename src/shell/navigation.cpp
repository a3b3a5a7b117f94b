// Finding one's way around the plane: the view history, wheel and key zoom, and panning.
#include <QKeySequence>
#include <cmath>

#include "rules/deep_zoom.h"
#include "rules/view_zoom.h"
#include "shell/main_window.h"
#include "shell/messages.h"

namespace zoquel::shell {

namespace {

// One wheel notch or one + or - zooms by this factor.
constexpr double kZoomStep = 2.0;
// The arrow keys move the view by this fraction of the image.
constexpr double kPanFraction = 0.25;

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

void MainWindow::view_to_box(const PixelBox& box) {
    when_free([this, box] {
        if (!view_navigable()) return;
        Settings& s = settings();
        const Settings before = s;
        const ImageGeometry& g = render().geometry;
        const ZoomOutcome outcome = zoom_to_box(s, zoomed_view(s.view(), g.xside, g.yside, s.xres, s.yres, box), box);
        if (!outcome.zoomed) {
            message(outcome.refusal, text::kTitle);
            return;
        }
        setWindowTitle(QString::fromStdString(title_with_magnification(s, text::kTitle)));
        settings_changed(before);
        restart_image();
        start_render();
    });
}

void MainWindow::zoom_about(double x, double y, double factor) {
    view_to_box(zoom_box_about(settings().xres, settings().yres, x, y, factor));
}

void MainWindow::pan_view(double dx, double dy) { view_to_box(pan_box(settings().xres, settings().yres, dx, dy)); }

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

}  // namespace zoquel::shell
