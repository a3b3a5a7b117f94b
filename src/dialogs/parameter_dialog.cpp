#include "dialogs/parameter_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>

#include "dialogs/dialog_buttons.h"
#include "dialogs/dialog_messages.h"
#include "dialogs/dialog_text.h"
#include "model/julia_cycle.h"

namespace zoquel {

namespace {

constexpr int kEditIds[13] = {405, 410, 415, 420, 425, 430, 435, 440, 445, 450, 455, 460, 465};
constexpr int kLabelIds[6] = {470, 475, 480, 485, 490, 492};
constexpr const char* kFixedLabels[7] = {"xmin:", "xmax:", "ymin:", "ymax:", "xres:", "yres:", "maxiter:"};

bool one_of(int t, std::initializer_list<int> types) {
    return std::find(types.begin(), types.end(), t) != types.end();
}

bool palint_shown(const Settings& s) { return s.ftype == 0 && s.method == 1 && s.inside == 4; }

// The c edits are filled for these; Lace fills them but does not read them back.
bool constant_shown(const Settings& s) {
    return s.method == 1 && !one_of(s.ftype, {24, 27, 28, 29, 30, 33, 34});
}

int edit_index(int id) {
    for (int i = 0; i < 13; ++i)
        if (kEditIds[i] == id) return i;
    return -1;
}

}  // namespace

std::array<std::string, 6> parameter_labels(const Settings& s) {
    const int t = s.ftype, m = s.method;
    std::array<std::string, 6> l;
    l[0] = t == 1 ? "minsize:" : "maxsize:";
    if (m == 1) {
        if (one_of(t, {11, 12})) {
            l[1] = "qx:       ";
            l[2] = "qy:       ";
        } else if (one_of(t, {13, 15})) {
            l[1] = "lambda x: ";
            l[2] = "lambda y: ";
        } else if (!one_of(t, {24, 27, 28, 29, 30, 33, 34})) {
            l[1] = "cx:       ";
            l[2] = "cy:       ";
        }
    }
    if (one_of(t, {0, 1, 18, 20, 21, 35, 37}))
        l[3] = "exponent:";
    else if (t == 16)
        l[3] = "pk (-1.0 - 1.0):";
    else if (t == 33)
        l[3] = "X axis rotation (0 - 360):";
    else if (t == 38 && m == 1)
        l[3] = "minsize (radius):   ";

    auto pair = [&](const char* a, const char* b) {
        l[4] = a;
        l[5] = b;
    };
    if (t == 0 && m == 1) {
        pair("minsize (radius):", "");
        if (s.inside == 4) l[5] = "palette interval (1-" + std::to_string(s.jperiod) + "):";
    } else if (one_of(t, {7, 8, 9})) {
        pair("epsilon x: ", "epsilon y: ");
    } else if (one_of(t, {1, 27})) {
        pair("mx:         ", "my:         ");
    } else if (t == 3) {
        pair("h:          ", "p:          ");
    } else if (t == 16) {
        pair("degree (2.0 - 8.0):", "");
    } else if (t == 23 && m == 0) {
        pair("a0 x:      ", "a0 y:      ");
    } else if (t == 13) {
        pair("N:         ", "D:         ");
    } else if (t == 31 && m == 1) {
        pair("r ( 1.1 - 2.75 ):", "scale ( 1 - 10 ):");
    } else if (t == 32) {
        pair("max hits: ", "max depth:");
    } else if (t == 33) {
        pair("Y axis rotation (0 - 360):", "Z axis rotation (0 - 360):");
    } else if (t == 37) {
        pair("coefficient:", "");
    } else if (t == 38) {
        pair("threshold:", "overflow:  ");
    }
    return l;
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
    palint_in_last_edit_ = palint_shown(s);
    if (palint_in_last_edit_) {
        Attractor cycle;
        const Param& p = s.params();
        s.jperiod = juliaperiod(p.jcx, p.jcy, cycle);
        s.palint = std::min(s.palint, s.jperiod);
    }

    auto labels = parameter_labels(s);
    for (int i = 0; i < 6; ++i) labels_[std::size_t(i)]->setText(QString::fromStdString(labels[std::size_t(i)]));

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
    put(440, format_fixed(p.maxsize, 15));
    if (constant_shown(s)) {
        put(445, format_fixed(p.jcx, 15));
        put(450, format_fixed(p.jcy, 15));
        // Shown for reference where OK does not read them back.
        const bool editable = parameter_column_editable(s, 1);
        edit(445)->setEnabled(editable);
        edit(450)->setEnabled(editable);
    }
    if (parameter_column_editable(s, 3)) put(455, format_fixed(p.p0, 15));
    const bool lace = s.ftype == 31 && s.method == 1;
    if (parameter_column_editable(s, 4)) put(460, format_fixed(p.p1, lace ? 4 : 15));
    if (palint_in_last_edit_)
        put(465, format_integer(s.palint));
    else if (parameter_column_editable(s, 5))
        put(465, format_fixed(p.p2, lace ? 1 : 15));
}

void ParameterDialog::accept() {
    auto text = [this](int id) { return edit(id)->text().toStdString(); };
    auto readable = [this](int id) { return edit(id)->isEnabled(); };

    ParameterForm form = parameter_form_from(working_);
    for (int i = 0; i < 4; ++i) form.view[i] = read_real(text(kEditIds[i]));
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
