#pragma once
#include <array>

#include "dialogs/settings_dialog.h"
#include "model/settings.h"
#include "rules/julia_choice.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace zoquel {

class DialogMessages;

// "Sample Julia 'c' Parameters": the constant of the most recent image and eighteen classic
// ones. OK puts the checked one into the current type's record and remembers the choice.
class JuliaSamplesDialog : public SettingsDialog {
    Q_OBJECT
public:
    explicit JuliaSamplesDialog(const Settings& settings, QWidget* parent = nullptr);
    // Radios 1520 .. 1539 by entry.
    QRadioButton* sample_button(int i) const { return buttons_[std::size_t(i)]; }

public slots:
    void accept() override;

private:
    std::array<QRadioButton*, kJuliaSampleEntries> buttons_{};
    QButtonGroup* group_ = nullptr;
};

// "Cardioid Border Parameters": the point of the main cardioid's border at the angle n/d of a
// turn. A refused value keeps the dialog open as typed; OK stores all or nothing.
class CardioidDialog : public SettingsDialog {
    Q_OBJECT
public:
    explicit CardioidDialog(const Settings& settings, DialogMessages* messages = nullptr, QWidget* parent = nullptr);
    QLineEdit* numerator() const { return numerator_; }
    QLineEdit* denominator() const { return denominator_; }
    QLabel* picture() const { return picture_; }

public slots:
    void accept() override;

private:
    DialogMessages* messages_;
    QLabel* picture_ = nullptr;
    QLineEdit* numerator_ = nullptr;
    QLineEdit* denominator_ = nullptr;
};

}  // namespace zoquel
