#pragma once
#include <QDialog>
#include <array>

#include "render/settings.h"

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
class LyapunovDialog : public QDialog {
    Q_OBJECT
public:
    explicit LyapunovDialog(const Settings& settings, DialogMessages* messages = nullptr, QWidget* parent = nullptr);

    const Settings& settings() const { return result_; }
    // Edits 1415, 1420, 1425, 1445, 1450, 1455, 1460.
    QLineEdit* edit(int id) const;
    // Labels 1465 and 1470.
    QLabel* label(int id) const;
    // Algorithm radios 1430 and 1431 by index 0 and 1.
    QRadioButton* algorithm_button(int i) const { return algorithms_[std::size_t(i)]; }
    QPushButton* ok_button() const { return ok_; }
    QPushButton* cancel_button() const { return cancel_; }

public slots:
    void accept() override;

private:
    Settings result_;
    DialogMessages* messages_;
    std::array<QLineEdit*, 7> edits_{};
    std::array<QRadioButton*, 2> algorithms_{};
    QLabel* x0_label_ = nullptr;
    QLabel* y0_label_ = nullptr;
    QButtonGroup* group_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace zoquel
