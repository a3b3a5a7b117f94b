#pragma once
#include <array>

#include "dialogs/settings_dialog.h"
#include "formulas/biomorph.h"
#include "model/settings.h"

class QButtonGroup;
class QPushButton;
class QRadioButton;

namespace zoquel {

// "Select the Biomorph Variation Type": one radio button per variation of type 5. After OK
// settings() holds the chosen bindex; otherwise the settings as given.
class BiomorphDialog : public SettingsDialog {
    Q_OBJECT
public:
    explicit BiomorphDialog(const Settings& settings, QWidget* parent = nullptr);

    // Radios 1010 .. 1020 by variation 0 .. 10.
    QRadioButton* variation_button(int i) const { return buttons_[std::size_t(i)]; }

public slots:
    void accept() override;

private:
    std::array<QRadioButton*, kBiomorphVariations> buttons_{};
    QButtonGroup* group_ = nullptr;
};

}  // namespace zoquel
