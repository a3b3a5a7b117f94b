#include "shell/qt_host.h"

#include "shell/image_view.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QEventLoop>
#include <QTime>
#include <QTimer>
#include <QWidget>

namespace zoquel::shell {

namespace {
// A display refreshes about this often; presenting faster only costs time.
constexpr int kFlushIntervalMs = 16;
}  // namespace

int input_key_code(int qt_key) {
    if ((qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z) || (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9)) return qt_key;
    if (qt_key >= Qt::Key_F1 && qt_key <= Qt::Key_F12) return 0x70 + (qt_key - Qt::Key_F1);
    switch (qt_key) {
        case Qt::Key_Pause: return InputKey::pause;
        case Qt::Key_Escape: return InputKey::escape;
        case Qt::Key_Space: return InputKey::space;
        default: return 0;
    }
}

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
        view_->repaint(q);
        since_flush_.restart();
    } else {
        view_->update(q);
    }
}

void QtHost::resize_screen(int width, int height, const Surface& image) {
    screen_.resize(width, height, kBlack);
    screen_.fill(kBlack);
    screen_.copy_from(image, image.bounds(), 0, 0);
    view_->update();
}

bool QtHost::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::ShortcutOverride:
            // No shortcut may fire while the core has the input.
            event->accept();
            return true;
        case QEvent::KeyPress: {
            auto* k = static_cast<QKeyEvent*>(event);
            queue_input(InputEvent{InputEvent::Kind::key, input_key_code(k->key()), {}});
            return true;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            auto* m = static_cast<QMouseEvent*>(event);
            if (watched == view_ && (m->button() == Qt::LeftButton || m->button() == Qt::RightButton)) {
                QPoint p = m->position().toPoint();
                queue_input(InputEvent{m->button() == Qt::LeftButton ? InputEvent::Kind::left_click
                                                                     : InputEvent::Kind::right_click,
                                       0, Point{p.x(), p.y()}});
            }
            return true;
        }
        case QEvent::KeyRelease:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::Close:
            return true;
        default:
            return false;
    }
}

void QtHost::pump(int wait_ms) {
    ++pumping_;
    qApp->installEventFilter(this);
    if (wait_ms > 0) {
        QEventLoop loop;
        QTimer::singleShot(wait_ms, &loop, &QEventLoop::quit);
        loop.exec();
    } else if (wait_ms < 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    } else {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    qApp->removeEventFilter(this);
    if (--pumping_ == 0 && on_pump_end) on_pump_end();
}

std::optional<InputEvent> QtHost::take() {
    if (input_.empty()) return std::nullopt;
    InputEvent e = input_.front();
    input_.pop_front();
    return e;
}

std::optional<InputEvent> QtHost::poll_input() {
    if (input_.empty()) pump(0);
    return take();
}

InputEvent QtHost::wait_input() {
    while (input_.empty()) pump(-1);
    return *take();
}

void QtHost::sleep_ms(int milliseconds) {
    QElapsedTimer t;
    t.start();
    for (qint64 left = milliseconds; left > 0; left = milliseconds - t.elapsed()) pump(int(left));
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

unsigned QtHost::time_of_day() { return unsigned(QTime::currentTime().msecsSinceStartOfDay() / 1000); }

}  // namespace zoquel::shell
