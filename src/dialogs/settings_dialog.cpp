#include "dialogs/settings_dialog.h"

namespace zoquel {

OkCancel OkCancelDialog::add_ok_cancel() {
    const OkCancel buttons = make_ok_cancel(this);
    ok_ = buttons.ok;
    cancel_ = buttons.cancel;
    return buttons;
}

}  // namespace zoquel
