#pragma once
#include <array>

#include "dialogs/settings_dialog.h"
#include "rules/parameter_rules.h"
#include "model/settings.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zoquel {

class DialogMessages;

// "Fractal Parameters": the view, image size, iteration limit and the current type's parameters.
// Takes a copy of the settings; OK checks every entry and, only when all pass, closes with the
// edited copy in settings() and the flags for the caller in outcome(). A refused entry is
// reported through `messages` and the dialog stays open with the text as typed.
class ParameterDialog : public SettingsDialog {
    Q_OBJECT
public:
    explicit ParameterDialog(const Settings& settings, DialogMessages* messages = nullptr,
                             QWidget* parent = nullptr);

    // The edited settings after OK; the settings as given otherwise.
    const ParameterOutcome& outcome() const { return outcome_; }

    // Edit by its identifier (405, 410, ... 465) and label by its identifier (470 ... 492).
    QLineEdit* edit(int id) const;
    QLabel* label(int id) const;
    QCheckBox* restore_dimensions() const { return restore_dimensions_; }
    QCheckBox* restore_parameters() const { return restore_parameters_; }

public slots:
    void accept() override;

private:
    void fill();

    Settings working_;  // what the dialog shows; the Julia period is refreshed on opening
    ParameterOutcome outcome_;
    DialogMessages* messages_;
    std::array<QLineEdit*, 13> edits_{};  // 405, 410, ..., 465
    std::array<QLabel*, 6> labels_{};     // 470, 475, 480, 485, 490, 492
    QCheckBox* restore_dimensions_ = nullptr;
    QCheckBox* restore_parameters_ = nullptr;
    bool palint_in_last_edit_ = false;
};

// The texts of the six type-dependent labels 470, 475, 480, 485, 490, 492 for these settings.
std::array<std::string, 6> parameter_labels(const Settings& s);

}  // namespace zoquel
