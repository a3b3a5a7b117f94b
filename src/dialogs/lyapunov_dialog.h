#pragma once
#include <array>

#include "dialogs/settings_dialog.h"
#include "model/settings.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zoquel {

class DialogMessages;

// "Lyapunov Options": the sequence, x(0), k and algorithm of Markus's method and x(0), y(0), c
// and d of Pickover's; the controls of the method not in use are disabled but still read. OK
// stores everything only when the sequence is acceptable; otherwise "sequence must contain only
// A, B, a or b" goes to `messages` and the dialog stays open as typed.
class LyapunovDialog : public SettingsDialog {
    Q_OBJECT
public:
    explicit LyapunovDialog(const Settings& settings, DialogMessages* messages = nullptr, QWidget* parent = nullptr);

    // Edits 1415, 1420, 1425, 1445, 1450, 1455, 1460.
    QLineEdit* edit(int id) const;
    // Labels 1465 and 1470.
    QLabel* label(int id) const;
    // Algorithm radios 1430 and 1431 by index 0 and 1.
    QRadioButton* algorithm_button(int i) const { return algorithms_[std::size_t(i)]; }

public slots:
    void accept() override;

private:
    DialogMessages* messages_;
    std::array<QLineEdit*, 7> edits_{};
    std::array<QRadioButton*, 2> algorithms_{};
    QLabel* x0_label_ = nullptr;
    QLabel* y0_label_ = nullptr;
    QButtonGroup* group_ = nullptr;
};

}  // namespace zoquel
