#pragma once
#include <array>

#include "dialogs/settings_dialog.h"
#include "model/settings.h"

class QButtonGroup;
class QLineEdit;
class QRadioButton;

namespace zoquel {

// "Select the Mode" of the chaos game's polygons: the polygon, the monochrome colour (clamped
// to 0..255 on OK) and the colouring. After OK settings() holds the edited copy; otherwise
// the settings as given.
class ChaosModeDialog : public SettingsDialog {
    Q_OBJECT
public:
    explicit ChaosModeDialog(const Settings& settings, QWidget* parent = nullptr);

    // Polygons 1770 .. 1775, colourings 1791 and 1792, colour edits 1785 .. 1787.
    QRadioButton* polygon_button(int i) const { return polygons_[std::size_t(i)]; }
    QRadioButton* colouring_button(int i) const { return colourings_[std::size_t(i)]; }
    QLineEdit* colour_edit(int i) const { return colours_[std::size_t(i)]; }

public slots:
    void accept() override;

private:
    std::array<QRadioButton*, 6> polygons_{};
    std::array<QRadioButton*, 2> colourings_{};
    std::array<QLineEdit*, 3> colours_{};
    QButtonGroup* polygon_group_ = nullptr;
    QButtonGroup* colouring_group_ = nullptr;
};

}  // namespace zoquel
