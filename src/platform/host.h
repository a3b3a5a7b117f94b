#pragma once
#include <optional>
#include <string>

#include "platform/surface.h"

namespace zoquel {

enum class MessageIcon { information, exclamation };
enum class MessageButtons { ok, yes_no };
enum class MessageAnswer { ok, yes, no };

// What the numeric core asks of its front end. All calls come from the thread that runs the
// render driver (the GUI thread in the explorer); none may be made from row workers. The core
// never waits for input or sleeps through it: input reaches a render through the driver, and
// paced drawing is the driver's steps.
class Host {
public:
    virtual ~Host() = default;

    // The window's client area as the user sees it. Things drawn "into the window only"
    // go here; the image itself lives in the image surface.
    virtual Surface& screen() = 0;
    // Show the given part of the screen now. Front ends throttle this to the display's rate.
    virtual void present(const Rect& area) = 0;
    // Hourglass on; end_busy restores the cursor and moves the pointer to (100, 100).
    virtual void begin_busy() = 0;
    virtual void end_busy() = 0;
    virtual MessageAnswer message_box(const std::string& text, const std::string& caption, MessageIcon icon,
                                      MessageButtons buttons = MessageButtons::ok) = 0;
    // Seconds since midnight, for seeding the random generator.
    virtual unsigned time_of_day() = 0;
    // How far a long set-up has come (0..1), for a front end that shows it beside the image;
    // a negative fraction says it is over. Called at most a few hundred times per set-up.
    virtual void progress(const char* /*what*/, double /*fraction*/) {}
};

// A host with no window: waits return at once, messages go to standard error.
class HeadlessHost : public Host {
public:
    HeadlessHost();
    Surface& screen() override { return screen_; }
    void present(const Rect&) override {}
    void begin_busy() override {}
    void end_busy() override {}
    MessageAnswer message_box(const std::string& text, const std::string& caption, MessageIcon icon,
                              MessageButtons buttons) override;
    unsigned time_of_day() override;

    // A clock that always shows this time, so what is seeded from it repeats.
    std::optional<unsigned> fixed_time;

private:
    Surface screen_;
};

}  // namespace zoquel
