#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <QRegion>
#include <deque>
#include <functional>

#include "platform/host.h"
#include "shell/user_interface.h"

namespace zoquel::shell {

class ImageView;

// The core's front end on the real window. The screen surface is what the image view shows;
// while the core waits or polls for input, events are pumped and the user's keys and clicks
// are queued for the core instead of reaching the window.
class QtHost : public QObject, public Host {
    Q_OBJECT
public:
    QtHost(ImageView* view, UserInterface* ui);
    ~QtHost() override;

    Surface& screen() override { return screen_; }
    void present(const Rect& area) override;
    std::optional<InputEvent> poll_input() override;
    InputEvent wait_input() override;
    void sleep_ms(int milliseconds) override;
    void begin_busy() override;
    void end_busy() override;
    MessageAnswer message_box(const std::string& text, const std::string& caption, MessageIcon icon,
                              MessageButtons buttons = MessageButtons::ok) override;
    unsigned time_of_day() override;

    void set_user_interface(UserInterface* ui) { ui_ = ui; }
    UserInterface& user_interface() { return *ui_; }
    // The view changed size: a new screen of that size, black, with the image copied in.
    void resize_screen(int width, int height, const Surface& image);
    // Puts the hourglass away without moving the pointer (a paused render).
    void restore_cursor();
    // True while the core is inside poll_input, wait_input or sleep_ms pumping events.
    bool pumping() const { return pumping_ > 0; }
    // Called each time the core stops pumping events.
    std::function<void()> on_pump_end;
    // Input taken from the window while pumping, in arrival order; the core drains it.
    void queue_input(const InputEvent& e) { input_.push_back(e); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Handles events: those pending (0), until one arrives (-1), or for wait_ms milliseconds.
    void pump(int wait_ms);
    std::optional<InputEvent> take();

    ImageView* view_;
    UserInterface* ui_;
    Surface screen_;
    std::deque<InputEvent> input_;
    int pumping_ = 0;
    bool busy_ = false;
    QElapsedTimer since_flush_;
};

// The core's key code for a Qt key: letters and digits as ASCII capitals, Pause, Escape,
// space, the function keys from 0x70; 0 for the rest.
int input_key_code(int qt_key);

}  // namespace zoquel::shell
