#include "shell/qt_host.h"

#include "shell/image_view.h"

#include <QApplication>
#include <QCursor>
#include <QTime>

namespace zoquel::shell {

namespace {
// A display refreshes about this often; presenting faster only costs time.
constexpr int kFlushIntervalMs = 16;
}  // namespace

QtHost::QtHost(ImageView* view, UserInterface* ui) : view_(view), ui_(ui) { since_flush_.start(); }

QtHost::~QtHost() {
    if (busy_) QApplication::restoreOverrideCursor();
}

void QtHost::present(const Rect& area) {
    Rect r = area.intersected(screen_.bounds());
    if (r.empty()) return;
    QRect q(r.left, r.top, r.width(), r.height());
    view_->mark_presented(q);
    // Inside a long core call the event loop does not run: paint now, at the display's rate.
    if (since_flush_.elapsed() >= kFlushIntervalMs) {
        view_->repaint_device(q);
        since_flush_.restart();
    } else {
        view_->update_device(q);
    }
}

void QtHost::resize_screen(int width, int height, const Surface& image) {
    screen_.resize(width, height, kBlack);
    screen_.fill(kBlack);
    screen_.copy_from(image, image.bounds(), 0, 0);
    view_->update();
}

void QtHost::begin_busy() {
    if (busy_) return;
    busy_ = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtHost::restore_cursor() {
    if (!busy_) return;
    busy_ = false;
    QApplication::restoreOverrideCursor();
}

void QtHost::end_busy() {
    restore_cursor();
    QCursor::setPos(100, 100);
}

MessageAnswer QtHost::message_box(const std::string& text, const std::string& caption, MessageIcon icon,
                                  MessageButtons buttons) {
    return ui_->message_box(text, caption, icon, buttons, false);
}

void QtHost::progress(const char* what, double fraction) {
    if (!on_progress) return;
    // The end and the first report always show; the rest at the display's rate.
    if (fraction >= 0 && since_progress_.isValid() && since_progress_.elapsed() < kFlushIntervalMs) return;
    since_progress_.start();
    on_progress(what, fraction);
}

unsigned QtHost::time_of_day() { return unsigned(QTime::currentTime().msecsSinceStartOfDay() / 1000); }

}  // namespace zoquel::shell
