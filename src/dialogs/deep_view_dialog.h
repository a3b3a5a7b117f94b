#pragma once
#include <array>

#include "dialogs/settings_dialog.h"
#include "rules/deep_zoom.h"

class QLineEdit;

namespace zoquel {

class DialogMessages;

// "Deep View": the view of a Mandelbrot or Julia image as its centre and width, decimal
// numbers of any length, and iteration limits beyond the parameter dialog's. OK stores them
// only when all pass; a refusal is reported through `messages` and the dialog stays open.
class DeepViewDialog : public SettingsDialog {
    Q_OBJECT
public:
    explicit DeepViewDialog(const Settings& settings, DialogMessages* messages = nullptr, QWidget* parent = nullptr);

    // The edits: centre real part, imaginary part, width, iteration limit.
    QLineEdit* edit(int index) const { return edits_[std::size_t(index)]; }

public slots:
    void accept() override;

private:
    DialogMessages* messages_;
    std::array<QLineEdit*, 4> edits_{};
};

}  // namespace zoquel
