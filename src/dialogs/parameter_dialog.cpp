#include "dialogs/parameter_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/dialog_buttons.h"
#include "dialogs/dialog_messages.h"
#include "dialogs/dialog_text.h"
#include "model/julia_cycle.h"
#include "rules/parameter_layout.h"

namespace zoquel {

namespace {

constexpr int kEditIds[13] = {405, 410, 415, 420, 425, 430, 435, 440, 445, 450, 455, 460, 465};
constexpr int kLabelIds[6] = {470, 475, 480, 485, 490, 492};
constexpr const char* kFixedLabels[7] = {"xmin:", "xmax:", "ymin:", "ymax:", "xres:", "yres:", "maxiter:"};

int edit_index(int id) {
    for (int i = 0; i < 13; ++i)
        if (kEditIds[i] == id) return i;
    return -1;
}

}  // namespace

std::array<std::string, 6> parameter_labels(const Settings& s) {
    const ParameterLayout layout = parameter_layout(s);
    std::array<std::string, 6> labels;
    for (std::size_t c = 0; c < 6; ++c) labels[c] = layout.columns[c].label;
    return labels;
}

ParameterDialog::ParameterDialog(const Settings& settings, DialogMessages* messages, QWidget* parent)
    : SettingsDialog(settings, parent),
      working_(settings),
      messages_(messages ? messages : &standard_messages()) {
    setWindowTitle("Fractal Parameters");
    setObjectName("id400");

    auto* grid = new QGridLayout;
    for (int i = 0; i < 13; ++i) {
        QWidget* caption;
        if (i < 7) {
            caption = new QLabel(kFixedLabels[i], this);
        } else {
            auto* l = new QLabel(this);
            l->setObjectName(QString("id%1").arg(kLabelIds[i - 7]));
            labels_[std::size_t(i - 7)] = l;
            caption = l;
        }
        auto* e = new QLineEdit(this);
        e->setObjectName(QString("id%1").arg(kEditIds[i]));
        e->setMinimumWidth(e->fontMetrics().horizontalAdvance(QString(22, '0')));
        edits_[std::size_t(i)] = e;
        grid->addWidget(caption, i, 0);
        grid->addWidget(e, i, 1);
    }

    auto* restoreBox = new QGroupBox(this);
    restoreBox->setObjectName("id494");
    auto* restoreLayout = new QVBoxLayout(restoreBox);
    restore_dimensions_ = new QCheckBox("restore default dimensions on OK", restoreBox);
    restore_dimensions_->setObjectName("id496");
    restore_parameters_ = new QCheckBox("restore default parameters on OK", restoreBox);
    restore_parameters_->setObjectName("id498");
    restoreLayout->addWidget(restore_dimensions_);
    restoreLayout->addWidget(restore_parameters_);

    const OkCancel buttons = add_ok_cancel();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(restoreBox);
    layout->addLayout(buttons.row);

    for (int i = 0; i + 1 < 13; ++i) setTabOrder(edits_[std::size_t(i)], edits_[std::size_t(i + 1)]);
    setTabOrder(edits_[12], restore_dimensions_);
    setTabOrder(restore_dimensions_, restore_parameters_);
    setTabOrder(restore_parameters_, ok_button());
    setTabOrder(ok_button(), cancel_button());

    fill();
    edits_[0]->setFocus();
}

QLineEdit* ParameterDialog::edit(int id) const {
    int i = edit_index(id);
    return i >= 0 ? edits_[std::size_t(i)] : nullptr;
}

QLabel* ParameterDialog::label(int id) const {
    for (int i = 0; i < 6; ++i)
        if (kLabelIds[i] == id) return labels_[std::size_t(i)];
    return nullptr;
}

void ParameterDialog::fill() {
    Settings& s = working_;
    ParameterLayout layout = parameter_layout(s);
    palint_in_last_edit_ = layout.columns[5].effect == ColumnRule::Effect::palint && layout.columns[5].shown;
    if (palint_in_last_edit_) {
        // The interval's label and limit are the period of the constant as it is now.
        Attractor cycle;
        const Param& p = s.params();
        s.jperiod = juliaperiod(p.jcx, p.jcy, cycle);
        s.palint = std::min(s.palint, s.jperiod);
        layout = parameter_layout(s);
    }
    for (std::size_t c = 0; c < 6; ++c) labels_[c]->setText(QString::fromStdString(layout.columns[c].label));

    auto put = [this](int id, const std::string& text) {
        QLineEdit* e = edit(id);
        e->setText(QString::fromStdString(text));
        e->setEnabled(true);
    };
    for (QLineEdit* e : edits_) {
        e->clear();
        e->setEnabled(false);
    }
    const View& v = s.view();
    for (int i = 0; i < 4; ++i) put(kEditIds[i], format_fixed(v[i], 15));
    put(425, format_integer(s.xres));
    put(430, format_integer(s.yres));
    put(435, format_integer(s.maxiter));
    const Param& p = s.params();
    for (int c = 0; c < 6; ++c) {
        const ColumnRule& rule = layout.columns[std::size_t(c)];
        if (!rule.shown) continue;
        const int id = kEditIds[7 + c];
        put(id, c == 5 && palint_in_last_edit_ ? format_integer(s.palint) : format_fixed(p[c], rule.decimals));
        // Shown for reference where OK does not read it back.
        edit(id)->setEnabled(rule.read);
    }
}

void ParameterDialog::accept() {
    auto text = [this](int id) { return edit(id)->text().toStdString(); };
    auto readable = [this](int id) { return edit(id)->isEnabled(); };

    ParameterForm form = parameter_form_from(working_);
    for (int i = 0; i < 4; ++i) form.view[i] = read_real(text(kEditIds[i]));
    // The fields show a deep view's doubles rounded: unedited, they stand for the deep view.
    if (active_deep_view(working_)) {
        bool edited = false;
        for (int i = 0; i < 4; ++i) edited = edited || text(kEditIds[i]) != format_fixed(working_.view()[i], 15);
        if (!edited) form.view = working_.view();
    }
    form.xres = read_integer(text(425));
    form.yres = read_integer(text(430));
    form.maxiter = read_integer(text(435));
    form.param.maxsize = read_real(text(440));
    if (readable(445)) form.param.jcx = read_real(text(445));
    if (readable(450)) form.param.jcy = read_real(text(450));
    if (readable(455)) form.param.p0 = read_real(text(455));
    if (readable(460)) form.param.p1 = read_real(text(460));
    if (readable(465)) {
        if (palint_in_last_edit_)
            form.palint = read_integer(text(465));
        else
            form.param.p2 = read_real(text(465));
    }
    form.restore_dimensions = restore_dimensions_->isChecked();
    form.restore_parameters = restore_parameters_->isChecked();

    Settings edited = working_;
    ParameterOutcome out = commit_parameter_form(edited, form);
    if (!out.ok()) {
        messages_->refuse(this, QString::fromUtf8(paramerror(out.error)), "Parameter Error");
        // The cursor goes where the correction is needed.
        if (out.entry >= 0 && out.entry < 13) {
            edits_[std::size_t(out.entry)]->setFocus();
            edits_[std::size_t(out.entry)]->selectAll();
        }
        return;
    }
    result_ = std::move(edited);
    outcome_ = out;
    QDialog::accept();
}

}  // namespace zoquel
