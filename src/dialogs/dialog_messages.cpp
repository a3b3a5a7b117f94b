#include "dialogs/dialog_messages.h"

#include <QMessageBox>

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

}  // namespace zoquel
