#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <functional>

#include "platform/host.h"
#include "shell/user_interface.h"

namespace zoquel::shell {

class ImageView;

// The core's front end on the real window. The screen surface is what the image view shows;
// presenting inside a long core call paints at once, at the display's rate.
class QtHost : public QObject, public Host {
    Q_OBJECT
public:
    QtHost(ImageView* view, UserInterface* ui);
    ~QtHost() override;

    Surface& screen() override { return screen_; }
    void present(const Rect& area) override;
    void begin_busy() override;
    void end_busy() override;
    MessageAnswer message_box(const std::string& text, const std::string& caption, MessageIcon icon,
                              MessageButtons buttons = MessageButtons::ok) override;
    unsigned time_of_day() override;
    void progress(const char* what, double fraction) override;
    // Shows a set-up's progress; called at the display's rate at most.
    std::function<void(const char* what, double fraction)> on_progress;

    void set_user_interface(UserInterface* ui) { ui_ = ui; }
    UserInterface& user_interface() { return *ui_; }
    // The view changed size: a new screen of that size, black, with the image copied in.
    void resize_screen(int width, int height, const Surface& image);
    // Puts the hourglass away without moving the pointer (a paused render).
    void restore_cursor();

private:
    ImageView* view_;
    UserInterface* ui_;
    Surface screen_;
    bool busy_ = false;
    QElapsedTimer since_flush_, since_progress_;
};

}  // namespace zoquel::shell
