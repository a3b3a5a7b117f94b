#pragma once
#include <array>

#include "dialogs/settings_dialog.h"
#include "rules/coloring_choice.h"
#include "model/settings.h"

class QButtonGroup;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zoquel {

class DialogMessages;

// "Select the Outside Coloring Method" and "Select the Inside Coloring Method": one radio
// button per method. Each takes a copy of the settings; after OK, settings() holds the chosen
// method (outside or inside), otherwise the settings as given.
class ColoringMethodDialog : public SettingsDialog {
    Q_OBJECT
public:
    enum class Side { outside, inside };
    ColoringMethodDialog(Side side, const Settings& settings, QWidget* parent = nullptr);

    // Method button i (0..4), object name id520 + i or id620 + i.
    QRadioButton* method_button(int i) const { return buttons_[std::size_t(i)]; }

public slots:
    void accept() override;

private:
    Side side_;
    std::array<QRadioButton*, 5> buttons_{};
    QButtonGroup* group_ = nullptr;
};

class OutsideDialog : public ColoringMethodDialog {
    Q_OBJECT
public:
    explicit OutsideDialog(const Settings& s, QWidget* parent = nullptr)
        : ColoringMethodDialog(Side::outside, s, parent) {}
};

class InsideDialog : public ColoringMethodDialog {
    Q_OBJECT
public:
    explicit InsideDialog(const Settings& s, QWidget* parent = nullptr)
        : ColoringMethodDialog(Side::inside, s, parent) {}
};

// "Choose Colors ( 0 - 255 )": the inside and outside solid colours. OK stores all six values
// only when each lies in 0..255; otherwise "color range: 0 - 255" goes to `messages` and the
// dialog stays open as typed.
class ColoursDialog : public SettingsDialog {
    Q_OBJECT
public:
    explicit ColoursDialog(const Settings& settings, DialogMessages* messages = nullptr, QWidget* parent = nullptr);

    const ColourOutcome& outcome() const { return outcome_; }
    // Edits 730..735: inside red, green, blue, outside red, green, blue.
    QLineEdit* edit(int id) const;

public slots:
    void accept() override;

private:
    ColourOutcome outcome_;
    DialogMessages* messages_;
    std::array<QLineEdit*, 6> edits_{};
};

}  // namespace zoquel
