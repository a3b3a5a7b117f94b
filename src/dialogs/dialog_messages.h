#pragma once
#include <QString>

class QWidget;

namespace zoquel {

// Where a dialog reports a refused value. The explorer shows a message box; tests record.
class DialogMessages {
public:
    virtual ~DialogMessages() = default;
    // An error notice with the exclamation icon, modal over `owner`; returns once it is read.
    virtual void refuse(QWidget* owner, const QString& text, const QString& caption) = 0;
};

// Real message boxes.
DialogMessages& standard_messages();

}  // namespace zoquel
