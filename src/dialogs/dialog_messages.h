#pragma once
#include <QString>

class QWidget;

namespace zoquel {

class Host;

// Where a dialog reports a refused value. The explorer shows a message box; tests record.
class DialogMessages {
public:
    virtual ~DialogMessages() = default;
    // An error notice with the exclamation icon, modal over `owner`; returns once it is read.
    virtual void refuse(QWidget* owner, const QString& text, const QString& caption) = 0;
};

// Real message boxes.
DialogMessages& standard_messages();

// Sends refusals through the front end's Host, so every box of the program goes one way.
class HostMessages : public DialogMessages {
public:
    explicit HostMessages(Host& host) : host_(host) {}
    void refuse(QWidget* owner, const QString& text, const QString& caption) override;

private:
    Host& host_;
};

}  // namespace zoquel
