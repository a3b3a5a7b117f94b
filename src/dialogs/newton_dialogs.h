#pragma once
#include <array>

#include "dialogs/settings_dialog.h"
#include "model/settings.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zoquel {

class DialogMessages;

// "Select Newton options" (type 1): basin colouring, the binary-decomposition cell size, the
// exponent and the relaxation factor. OK checks every entry and, only when all pass, closes
// with the edited copy in settings(); a refused entry goes to `messages` and the dialog stays
// open with the text as typed.
class NewtonOptionsDialog : public SettingsDialog {
    Q_OBJECT
public:
    explicit NewtonOptionsDialog(const Settings& settings, DialogMessages* messages = nullptr,
                                 QWidget* parent = nullptr);

    QRadioButton* basin_button(int i) const { return basin_[std::size_t(i)]; }  // 820 Off, 821 On
    QLineEdit* cellsize() const { return cellsize_; }                           // 840
    QLineEdit* exponent() const { return exponent_; }                           // 860
    QLineEdit* mx() const { return mx_; }                                       // 880
    QLineEdit* my() const { return my_; }                                       // 885

public slots:
    void accept() override;

private:
    DialogMessages* messages_;
    QButtonGroup* basin_group_ = nullptr;
    std::array<QRadioButton*, 2> basin_{};
    QLineEdit *cellsize_ = nullptr, *exponent_ = nullptr, *mx_ = nullptr, *my_ = nullptr;
};

// "Select the Formula" (type 27): one of the 24 functions and basin colouring, which the
// functions without roots (19 to 21) do not offer. After OK, settings() holds the choice and
// formula_changed() tells whether the roots must be searched again.
class NvFormulaDialog : public SettingsDialog {
    Q_OBJECT
public:
    explicit NvFormulaDialog(const Settings& settings, QWidget* parent = nullptr);

    bool formula_changed() const { return changed_; }
    QRadioButton* formula_button(int i) const { return formulas_[std::size_t(i)]; }  // 1310 + i
    QCheckBox* basin() const { return basin_; }                                       // 1350

public slots:
    void accept() override;

private:
    void offer_basin(int formula);

    bool changed_ = false;
    QButtonGroup* group_ = nullptr;
    std::array<QRadioButton*, 24> formulas_{};
    QCheckBox* basin_ = nullptr;
};

}  // namespace zoquel
