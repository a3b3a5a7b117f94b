#pragma once
#include <QDialog>

#include "dialogs/dialog_buttons.h"
#include "model/settings.h"

namespace zoquel {

// A dialog that ends with "OK" / "Cancel".
class OkCancelDialog : public QDialog {
public:
    QPushButton* ok_button() const { return ok_; }
    QPushButton* cancel_button() const { return cancel_; }

protected:
    explicit OkCancelDialog(QWidget* parent) : QDialog(parent) {}
    // Makes the pair once; the caller places the row in its layout.
    OkCancel add_ok_cancel();

private:
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

// A dialog that edits a copy of the settings: after OK settings() holds what was stored,
// otherwise the settings as given.
class SettingsDialog : public OkCancelDialog {
public:
    const Settings& settings() const { return result_; }

protected:
    SettingsDialog(const Settings& settings, QWidget* parent) : OkCancelDialog(parent), result_(settings) {}

    Settings result_;
};

}  // namespace zoquel
