#pragma once
#include <array>

#include "dialogs/settings_dialog.h"
#include "model/settings.h"
#include "rules/pgm_forms.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace zoquel {

class DialogMessages;

// "Select the PGM Formula": the perturbation F of the gingerbread men. After OK settings()
// holds the chosen pgmindex and firstloop() says whether it changed.
class PgmFormulaDialog : public SettingsDialog {
    Q_OBJECT
public:
    explicit PgmFormulaDialog(const Settings& settings, QWidget* parent = nullptr);
    // Radios 1120 .. 1127 by formula.
    QRadioButton* formula_button(int i) const { return buttons_[std::size_t(i)]; }
    bool firstloop() const { return firstloop_; }

public slots:
    void accept() override;

private:
    std::array<QRadioButton*, 8> buttons_{};
    QButtonGroup* group_ = nullptr;
    bool firstloop_ = false;
};

// "PGM Parameters": image size, scale, the start point of the current formula and the
// background colour, with "start new image" and "restore default parameters on OK". A refused
// value keeps the dialog open with everything as typed; OK stores all or nothing.
class PgmParametersDialog : public SettingsDialog {
    Q_OBJECT
public:
    explicit PgmParametersDialog(const Settings& settings, DialogMessages* messages = nullptr, QWidget* parent = nullptr);
    // Edits 1210, 1215, 1220, 1225, 1230, 1240, 1245, 1250.
    QLineEdit* edit(int id) const;
    QCheckBox* start_new_image() const { return start_new_; }
    QCheckBox* restore_defaults() const { return restore_; }
    const PgmParametersOutcome& outcome() const { return outcome_; }

public slots:
    void accept() override;

private:
    std::array<QLineEdit*, 8> edits_{};
    QCheckBox* start_new_ = nullptr;
    QCheckBox* restore_ = nullptr;
    DialogMessages* messages_;
    PgmParametersOutcome outcome_;
};

}  // namespace zoquel
