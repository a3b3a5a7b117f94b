#include "dialogs/coloring_dialogs.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/dialog_buttons.h"
#include "dialogs/dialog_messages.h"
#include "dialogs/dialog_text.h"
#include "rules/parameter_rules.h"

namespace zoquel {

ColoringMethodDialog::ColoringMethodDialog(Side side, const Settings& settings, QWidget* parent)
    : SettingsDialog(settings, parent), side_(side) {
    const bool out = side == Side::outside;
    setWindowTitle(out ? "Select the Outside Coloring Method" : "Select the Inside Coloring Method");
    setObjectName(out ? "id500" : "id600");
    const int base = out ? 520 : 620;

    auto* box = new QGroupBox(this);
    box->setObjectName(out ? "id510" : "id610");
    auto* column = new QVBoxLayout(box);
    group_ = new QButtonGroup(this);
    for (int i = 0; i < 5; ++i) {
        auto* b = add_radio(group_, i, out ? outside_caption(i) : inside_caption(i), base + i, box);
        column->addWidget(b);
        buttons_[std::size_t(i)] = b;
    }

    int current;
    if (out) {
        // Binary decomposition is offered for Mandelbrot/Julia and Newton only; elsewhere the
        // dialog shows "Level Sets" in its place.
        current = result_.outside;
        const bool binary = binary_decomposition_offered(result_.ftype);
        if (!binary && (current == 3 || current == 4)) current = 1;
        buttons_[3]->setEnabled(binary);
        buttons_[4]->setEnabled(binary);
    } else {
        current = result_.inside;
        for (int i = 3; i < 5; ++i)
            buttons_[std::size_t(i)]->setEnabled(inside_method_offered(result_.ftype, result_.method, i));
    }
    if (current < 0 || current > 4) current = out ? 1 : 0;
    buttons_[std::size_t(current)]->setChecked(true);

    const OkCancel buttons = add_ok_cancel();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addLayout(buttons.row);
    tab_to_checked(group_);
    buttons_[std::size_t(current)]->setFocus();
}

void ColoringMethodDialog::accept() {
    int chosen = group_->checkedId();
    if (chosen >= 0) (side_ == Side::outside ? result_.outside : result_.inside) = chosen;
    QDialog::accept();
}

ColoursDialog::ColoursDialog(const Settings& settings, DialogMessages* messages, QWidget* parent)
    : SettingsDialog(settings, parent), messages_(messages ? messages : &standard_messages()) {
    setWindowTitle("Choose Colors ( 0 - 255 )");
    setObjectName("id700");
    const ColourForm values = colour_form_from(settings);
    const char* names[3] = {"red:", "green:", "blue:"};
    QGroupBox* boxes[2] = {new QGroupBox(" Inside ", this), new QGroupBox(" Outside ", this)};
    boxes[0]->setObjectName("id710");
    boxes[1]->setObjectName("id720");
    for (int side = 0; side < 2; ++side) {
        auto* form = new QFormLayout(boxes[side]);
        for (int c = 0; c < 3; ++c) {
            int i = 3 * side + c;
            auto* e = new QLineEdit(QString::fromStdString(format_integer(values[std::size_t(i)])), boxes[side]);
            e->setObjectName(QString("id%1").arg(730 + i));
            form->addRow(names[c], e);
            edits_[std::size_t(i)] = e;
        }
    }
    const bool insideEditable = inside_colours_editable(settings.ftype, settings.method);
    for (int i = 0; i < 3; ++i) edits_[std::size_t(i)]->setEnabled(insideEditable);

    const OkCancel buttons = add_ok_cancel();
    auto* row = new QHBoxLayout;
    row->addWidget(boxes[0]);
    row->addWidget(boxes[1]);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons.row);
    for (int i = 0; i + 1 < 6; ++i) setTabOrder(edits_[std::size_t(i)], edits_[std::size_t(i + 1)]);
    setTabOrder(edits_[5], ok_button());
    setTabOrder(ok_button(), cancel_button());
    (insideEditable ? edits_[0] : edits_[3])->setFocus();
}

QLineEdit* ColoursDialog::edit(int id) const {
    return id >= 730 && id <= 735 ? edits_[std::size_t(id - 730)] : nullptr;
}

void ColoursDialog::accept() {
    ColourForm form;
    for (int i = 0; i < 6; ++i) form[std::size_t(i)] = read_integer(edits_[std::size_t(i)]->text().toStdString());
    Settings edited = result_;
    ColourOutcome out = commit_colour_form(edited, form);
    if (!out.ok()) {
        messages_->refuse(this, QString::fromUtf8(paramerror(out.error)), "Parameter Error");
        if (out.refused >= 0 && out.refused < 6) {
            edits_[std::size_t(out.refused)]->setFocus();
            edits_[std::size_t(out.refused)]->selectAll();
        }
        return;
    }
    result_ = edited;
    outcome_ = out;
    QDialog::accept();
}

}  // namespace zoquel
