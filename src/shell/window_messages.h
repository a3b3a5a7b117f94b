#pragma once
#include "dialogs/dialog_messages.h"
#include "shell/user_interface.h"

namespace zoquel::shell {

// A dialog's refusals through the window's message interface, owned by the window, so tests
// read them as they read every other box.
class WindowMessages : public DialogMessages {
public:
    explicit WindowMessages(UserInterface& ui) : ui_(ui) {}
    void refuse(QWidget*, const QString& text, const QString& caption) override {
        ui_.message_box(text.toStdString(), caption.toStdString(), MessageIcon::exclamation, MessageButtons::ok,
                        true);
    }

private:
    UserInterface& ui_;
};

}  // namespace zoquel::shell
