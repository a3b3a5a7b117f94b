#pragma once
#include <array>

#include "dialogs/settings_dialog.h"
#include "model/settings.h"

class QButtonGroup;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zoquel {

// "Volterra-Lotka Parameters": h, p, maxiter, maxsize, the target radius and the colouring
// scheme of type 3. Every value is clamped into its range on OK; nothing is refused. After OK
// settings() holds the edited copy; otherwise the settings as given.
class VolterraLotkaDialog : public SettingsDialog {
    Q_OBJECT
public:
    explicit VolterraLotkaDialog(const Settings& settings, QWidget* parent = nullptr);

    // Edits 910 .. 914.
    QLineEdit* edit(int id) const;
    // Scheme radios 1320 .. 1322 by index 0 .. 2.
    QRadioButton* scheme_button(int i) const { return schemes_[std::size_t(i)]; }

public slots:
    void accept() override;

private:
    std::array<QLineEdit*, 5> edits_{};
    std::array<QRadioButton*, 3> schemes_{};
    QButtonGroup* group_ = nullptr;
};

}  // namespace zoquel
