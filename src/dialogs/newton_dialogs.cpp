#include "dialogs/newton_dialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/dialog_buttons.h"
#include "dialogs/dialog_messages.h"
#include "dialogs/dialog_text.h"
#include "formulas/newton_variations_table.h"
#include "rules/newton_options.h"
#include "rules/parameter_rules.h"

namespace zoquel {

namespace {

QLineEdit* real_edit(double value, int id, QWidget* parent) {
    auto* e = new QLineEdit(QString::fromStdString(format_fixed(value, 15)), parent);
    e->setObjectName(QString("id%1").arg(id));
    e->setMaxLength(29);
    // Room for every digit of "%.15f", and the start in view.
    e->setMinimumWidth(e->fontMetrics().horizontalAdvance("-0.0000000000000000") + 16);
    e->setCursorPosition(0);
    return e;
}

double real_of(const QLineEdit* e) { return read_real(e->text().toStdString()); }

}  // namespace

NewtonOptionsDialog::NewtonOptionsDialog(const Settings& settings, DialogMessages* messages, QWidget* parent)
    : SettingsDialog(settings, parent), messages_(messages ? messages : &standard_messages()) {
    setWindowTitle("Select Newton options");
    setObjectName("id800");
    const NewtonOptionsForm values = newton_options_from(settings);

    auto* basin_box = new QGroupBox(" Differential Basin Coloring ", this);
    basin_box->setObjectName("id810");
    auto* basin_row = new QHBoxLayout(basin_box);
    basin_group_ = new QButtonGroup(this);
    const char* captions[2] = {"Off", "On"};
    for (int i = 0; i < 2; ++i) {
        auto* b = add_radio(basin_group_, i, captions[i], 820 + i, basin_box);
        basin_row->addWidget(b);
        basin_[std::size_t(i)] = b;
    }
    basin_[values.basin ? 1 : 0]->setChecked(true);

    auto* cells = new QGroupBox(" Binary Decomposition Cells ", this);
    cells->setObjectName("id830");
    auto* cells_layout = new QVBoxLayout(cells);
    auto* cells_form = new QFormLayout;
    cellsize_ = real_edit(values.cellsize, 840, cells);
    cells_form->addRow("cellsize:", cellsize_);
    cells_layout->addLayout(cells_form);
    cells_layout->addWidget(new QLabel("This value controls the number of cells\n   per level set. Range: 1.0E-1 - 1.0E-12\n\n"
                                       "   For BOF fig. 44 use 1.0E-2.\n   Fractint uses 1.0E-6.",
                                       cells));

    auto* exponent_form = new QFormLayout;
    exponent_ = real_edit(values.exponent, 860, this);
    exponent_form->addRow("exponent: ( 2.0 - 8.0 )", exponent_);

    auto* relaxation = new QGroupBox(" Relaxation ( Multiplicity ) Factor ", this);
    relaxation->setObjectName("id870");
    auto* relaxation_form = new QFormLayout(relaxation);
    mx_ = real_edit(values.mx, 880, relaxation);
    my_ = real_edit(values.my, 885, relaxation);
    relaxation_form->addRow("mx ( 0.02 - 1.99 ) :", mx_);
    relaxation_form->addRow("my ( -0.99 - 0.99 ) :", my_);

    const OkCancel buttons = add_ok_cancel();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(basin_box);
    layout->addWidget(cells);
    layout->addLayout(exponent_form);
    layout->addWidget(relaxation);
    layout->addWidget(new QLabel("Press 'N' to re-display this dialog box.", this));
    layout->addLayout(buttons.row);
    tab_to_checked(basin_group_);
    basin_[values.basin ? 1 : 0]->setFocus();
}

void NewtonOptionsDialog::accept() {
    NewtonOptionsForm form;
    form.basin = basin_group_->checkedId() == 1 ? 1 : 0;
    form.cellsize = real_of(cellsize_);
    form.exponent = real_of(exponent_);
    form.mx = real_of(mx_);
    form.my = real_of(my_);
    Settings edited = result_;
    const int error = commit_newton_options(edited, form);
    if (error >= 0) {
        messages_->refuse(this, QString::fromUtf8(paramerror(error)), "Parameter Error");
        return;
    }
    result_ = edited;
    QDialog::accept();
}

NvFormulaDialog::NvFormulaDialog(const Settings& settings, QWidget* parent) : SettingsDialog(settings, parent) {
    setWindowTitle("Select the Formula");
    setObjectName("id1300");
    auto* grid = new QGridLayout;
    group_ = new QButtonGroup(this);
    constexpr int kRows = 12;
    for (int i = 0; i < kNvFormulaCount; ++i) {
        auto* b = add_radio(group_, i, nv_function(i).caption, 1310 + i, this);
        grid->addWidget(b, i % kRows, i / kRows);
        formulas_[std::size_t(i)] = b;
    }
    const int current = settings.nvindex >= 0 && settings.nvindex < kNvFormulaCount ? settings.nvindex : 0;
    formulas_[std::size_t(current)]->setChecked(true);

    basin_ = new QCheckBox("differential basin coloring", this);
    basin_->setObjectName("id1350");
    basin_->setChecked(settings.basin != 0);
    offer_basin(current);
    connect(group_, &QButtonGroup::idClicked, this, &NvFormulaDialog::offer_basin);
    connect(group_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on) offer_basin(id);
    });

    const OkCancel buttons = add_ok_cancel();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(basin_);
    layout->addWidget(new QLabel("Press 'Alt + N' or 'Alt + S' to re-display this dialog box;\n"
                                 "'F' steps through the first 22 formulas.",
                                 this));
    layout->addLayout(buttons.row);
    tab_to_checked(group_);
    formulas_[std::size_t(current)]->setFocus();
}

void NvFormulaDialog::offer_basin(int formula) { basin_->setEnabled(nv_function(formula).basins); }

void NvFormulaDialog::accept() {
    const int chosen = group_->checkedId();
    Settings edited = result_;
    changed_ = commit_nv_formula(edited, chosen >= 0 ? chosen : edited.nvindex, basin_->isChecked());
    result_ = edited;
    QDialog::accept();
}

}  // namespace zoquel
