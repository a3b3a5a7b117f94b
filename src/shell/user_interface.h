#pragma once
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/host.h"

class QWidget;

namespace zoquel::shell {

// What an open or save dialog asks for.
struct FileDialogRequest {
    std::string title;
    std::string filter;          // e.g. "ZQ files (*.zq)"
    std::string default_suffix;  // e.g. "zq", added when the user types none
    std::vector<std::string> more_filters;  // other formats offered, each with its own suffix
    std::string initial_path;
};

// Every modal message box and file dialog of the explorer goes through this, so tests can
// drive the window without blocking and read what would have been shown.
class UserInterface {
public:
    virtual ~UserInterface() = default;
    // `owned`: the box belongs to the main window (the file errors) rather than to no window.
    virtual MessageAnswer message_box(const std::string& text, const std::string& caption, MessageIcon icon,
                                      MessageButtons buttons = MessageButtons::ok, bool owned = false) = 0;
    // The chosen path, or nothing when the user cancels.
    virtual std::optional<std::string> open_file(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> save_file(const FileDialogRequest& request) = 0;
    // A yes/no question over the main window that does not hold up its caller: `answered`
    // runs with the answer, now or once the user gives it.
    virtual void ask(const std::string& text, const std::string& caption, std::function<void(bool yes)> answered) {
        answered(message_box(text, caption, MessageIcon::exclamation, MessageButtons::yes_no, true) ==
                 MessageAnswer::yes);
    }
};

// The real boxes and dialogs.
class QtUserInterface : public UserInterface {
public:
    explicit QtUserInterface(QWidget* owner = nullptr) : owner_(owner) {}
    void set_owner(QWidget* owner) { owner_ = owner; }
    MessageAnswer message_box(const std::string& text, const std::string& caption, MessageIcon icon,
                              MessageButtons buttons, bool owned) override;
    std::optional<std::string> open_file(const FileDialogRequest& request) override;
    std::optional<std::string> save_file(const FileDialogRequest& request) override;
    // Window-modal and answered through a signal: no nested event loop.
    void ask(const std::string& text, const std::string& caption, std::function<void(bool yes)> answered) override;

private:
    QWidget* owner_;
};

// Records what would have been shown and answers from queues (yes for questions, cancel for
// file dialogs, when a queue is empty).
class RecordingUserInterface : public UserInterface {
public:
    struct Message {
        std::string text, caption;
        MessageIcon icon;
        MessageButtons buttons;
        bool owned;
    };
    struct FileDialog {
        bool save;
        FileDialogRequest request;
    };

    MessageAnswer message_box(const std::string& text, const std::string& caption, MessageIcon icon,
                              MessageButtons buttons, bool owned) override;
    std::optional<std::string> open_file(const FileDialogRequest& request) override;
    std::optional<std::string> save_file(const FileDialogRequest& request) override;

    std::vector<Message> messages;
    std::vector<FileDialog> file_dialogs;
    std::deque<MessageAnswer> answers;
    std::deque<std::optional<std::string>> file_answers;

private:
    std::optional<std::string> next_file();
};

}  // namespace zoquel::shell
