#include "dialogs/chaos_mode_dialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/dialog_buttons.h"
#include "dialogs/dialog_text.h"
#include "rules/chaos_mode_form.h"

namespace zoquel {

namespace {

constexpr const char* kPolygons[6] = {"triangle", "square", "pentagon", "hexagon", "pentagon - overlapped",
                                      "hexagon - overlapped"};
constexpr const char* kChannels[3] = {"red", "green", "blue"};
constexpr const char* kColourings[2] = {"monochrome", "hit count ( palette )"};
constexpr int kMaxChars = 29;

}  // namespace

ChaosModeDialog::ChaosModeDialog(const Settings& settings, QWidget* parent) : SettingsDialog(settings, parent) {
    setWindowTitle("Select the Mode");
    setObjectName("id1750");
    const ChaosModeForm f = chaos_mode_form_from(settings);

    auto* shapes = new QGroupBox("   Image Type   ", this);
    shapes->setObjectName("id1765");
    auto* shape_column = new QVBoxLayout(shapes);
    polygon_group_ = new QButtonGroup(this);
    for (int i = 0; i < 6; ++i) {
        auto* b = add_radio(polygon_group_, i, kPolygons[i], 1770 + i, shapes);
        shape_column->addWidget(b);
        polygons_[std::size_t(i)] = b;
    }
    polygons_[std::size_t(f.smode >= 0 && f.smode < 6 ? f.smode : 0)]->setChecked(true);

    auto* colour = new QGroupBox("   Monochrome Image Color   ( 0  -  255 )   ", this);
    colour->setObjectName("id1780");
    auto* colour_grid = new QGridLayout(colour);
    for (int i = 0; i < 3; ++i) {
        auto* e = new QLineEdit(QString::fromStdString(format_integer(f.colour[std::size_t(i)])), colour);
        e->setObjectName(QString("id%1").arg(1785 + i));
        e->setMaxLength(kMaxChars);
        colour_grid->addWidget(new QLabel(kChannels[i], colour), 0, i);
        colour_grid->addWidget(e, 1, i);
        colours_[std::size_t(i)] = e;
    }

    auto* method = new QGroupBox("   Coloring Method   ", this);
    method->setObjectName("id1790");
    auto* method_column = new QVBoxLayout(method);
    colouring_group_ = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        auto* b = add_radio(colouring_group_, i, kColourings[i], 1791 + i, method);
        method_column->addWidget(b);
        colourings_[std::size_t(i)] = b;
    }
    colourings_[std::size_t(f.scmode == 1 ? 1 : 0)]->setChecked(true);

    auto* hint = new QLabel("Press 'Alt + G' to re-display this dialog box.", this);
    const OkCancel buttons = add_ok_cancel();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(shapes);
    layout->addWidget(colour);
    layout->addWidget(method);
    layout->addWidget(hint);
    layout->addLayout(buttons.row);

    tab_to_checked(polygon_group_);
    tab_to_checked(colouring_group_);
    polygons_[std::size_t(polygon_group_->checkedId())]->setFocus();
}

void ChaosModeDialog::accept() {
    ChaosModeForm f;
    f.smode = polygon_group_->checkedId();
    for (int i = 0; i < 3; ++i) f.colour[std::size_t(i)] = read_integer(colours_[std::size_t(i)]->text().toStdString());
    f.scmode = colouring_group_->checkedId();
    commit_chaos_mode_form(result_, f);
    QDialog::accept();
}

}  // namespace zoquel
