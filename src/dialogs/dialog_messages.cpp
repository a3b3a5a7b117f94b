#include "dialogs/dialog_messages.h"

#include <QMessageBox>

#include "platform/host.h"

namespace zoquel {

namespace {

class BoxMessages : public DialogMessages {
public:
    void refuse(QWidget* owner, const QString& text, const QString& caption) override {
        QMessageBox::warning(owner, caption, text);
    }
};

}  // namespace

DialogMessages& standard_messages() {
    static BoxMessages boxes;
    return boxes;
}

void HostMessages::refuse(QWidget*, const QString& text, const QString& caption) {
    host_.message_box(text.toStdString(), caption.toStdString(), MessageIcon::exclamation);
}

}  // namespace zoquel
