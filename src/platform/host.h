#pragma once
#include <optional>
#include <string>

#include "platform/surface.h"

namespace zoquel {

enum class MessageIcon { information, exclamation };
enum class MessageButtons { ok, yes_no };
enum class MessageAnswer { ok, yes, no };

// A key press or mouse click that the core may react to while it works.
struct InputEvent {
    enum class Kind { key, left_click, right_click } kind = Kind::key;
    int key = 0;  // platform-neutral key code (see InputKey), for Kind::key
    Point position;
};

namespace InputKey {
constexpr int pause = 0x13;
constexpr int escape = 0x1B;
constexpr int space = 0x20;
}  // namespace InputKey

// What the numeric core asks of its front end. All calls come from the thread that runs the
// render driver (the GUI thread in the explorer); none may be made from row workers.
class Host {
public:
    virtual ~Host() = default;

    // The window's client area as the user sees it. Things drawn "into the window only"
    // go here; the image itself lives in the image surface.
    virtual Surface& screen() = 0;
    // Show the given part of the screen now. Front ends throttle this to the display's rate.
    virtual void present(const Rect& area) = 0;
    // A pending key or click, removed from the queue, or nothing; never blocks.
    virtual std::optional<InputEvent> poll_input() = 0;
    // Blocks until a key or click arrives. A host without a user returns at once.
    virtual InputEvent wait_input() = 0;
    virtual void sleep_ms(int milliseconds) = 0;
    // Hourglass on; end_busy restores the cursor and moves the pointer to (100, 100).
    virtual void begin_busy() = 0;
    virtual void end_busy() = 0;
    virtual MessageAnswer message_box(const std::string& text, const std::string& caption, MessageIcon icon,
                                      MessageButtons buttons = MessageButtons::ok) = 0;
    // Seconds since midnight, for seeding the random generator.
    virtual unsigned time_of_day() = 0;
};

// A host with no window: waits return at once, messages go to standard error.
class HeadlessHost : public Host {
public:
    HeadlessHost();
    Surface& screen() override { return screen_; }
    void present(const Rect&) override {}
    std::optional<InputEvent> poll_input() override { return std::nullopt; }
    InputEvent wait_input() override { return InputEvent{}; }
    void sleep_ms(int) override {}
    void begin_busy() override {}
    void end_busy() override {}
    MessageAnswer message_box(const std::string& text, const std::string& caption, MessageIcon icon,
                              MessageButtons buttons) override;
    unsigned time_of_day() override;

private:
    Surface screen_;
};

}  // namespace zoquel
