#include "dialogs/pgm_dialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/dialog_buttons.h"
#include "dialogs/dialog_messages.h"
#include "dialogs/dialog_text.h"
#include "generators/pgm.h"
#include "rules/parameter_rules.h"

namespace zoquel {

namespace {

constexpr int kEditIds[8] = {1210, 1215, 1220, 1225, 1230, 1240, 1245, 1250};
constexpr const char* kLabels[8] = {"xres:", "yres:", "scale (1 - 100):", "x0:", "y0:", "red:", "green:", "blue:"};
constexpr int kMaxChars = 29;

}  // namespace

PgmFormulaDialog::PgmFormulaDialog(const Settings& settings, QWidget* parent) : SettingsDialog(settings, parent) {
    setWindowTitle("Select the PGM Formula");
    setObjectName("id1100");
    auto* map = new QLabel("x[n + 1] = 1.0 - y[n] + fabs( x[n] ) + F\n\ny[n + 1] = x[n]", this);
    auto* box = new QGroupBox(this);
    auto* column = new QVBoxLayout(box);
    group_ = new QButtonGroup(this);
    for (int i = 0; i < 8; ++i) {
        auto* b = add_radio(group_, i, pgm_caption(i), 1120 + i, box);
        column->addWidget(b);
        buttons_[std::size_t(i)] = b;
    }
    const int current = settings.pgmindex >= 0 && settings.pgmindex < 8 ? settings.pgmindex : 0;
    buttons_[std::size_t(current)]->setChecked(true);

    auto* hint = new QLabel("Press 'P' to re-display this dialog box.", this);
    const OkCancel buttons = add_ok_cancel();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(map);
    layout->addWidget(box);
    layout->addWidget(hint);
    layout->addLayout(buttons.row);
    tab_to_checked(group_);
    buttons_[std::size_t(current)]->setFocus();
}

void PgmFormulaDialog::accept() {
    firstloop_ = commit_pgm_formula(result_, group_->checkedId());
    QDialog::accept();
}

PgmParametersDialog::PgmParametersDialog(const Settings& settings, DialogMessages* messages, QWidget* parent)
    : SettingsDialog(settings, parent), messages_(messages ? messages : &standard_messages()) {
    setWindowTitle("PGM Parameters");
    setObjectName("id1200");
    const PgmParametersForm f = pgm_parameters_form_from(settings);
    const std::string values[8] = {format_integer(f.xres),  format_integer(f.yres),  format_integer(f.scale),
                                   format_fixed(f.x0, 15),  format_fixed(f.y0, 15),  format_integer(f.background[0]),
                                   format_integer(f.background[1]), format_integer(f.background[2])};
    auto* form = new QFormLayout;
    auto* background = new QGroupBox(" Background Color (0 - 255) ", this);
    background->setObjectName("id1235");
    auto* colours = new QFormLayout(background);
    for (int i = 0; i < 8; ++i) {
        QWidget* owner = i < 5 ? static_cast<QWidget*>(this) : background;
        auto* e = new QLineEdit(QString::fromStdString(values[i]), owner);
        e->setObjectName(QString("id%1").arg(kEditIds[i]));
        e->setMaxLength(kMaxChars);
        e->setMinimumWidth(e->fontMetrics().horizontalAdvance(QString(22, '0')));
        (i < 5 ? form : colours)->addRow(kLabels[i], e);
        edits_[std::size_t(i)] = e;
    }
    start_new_ = new QCheckBox("start new image", this);
    start_new_->setObjectName("id1260");
    start_new_->setChecked(true);
    restore_ = new QCheckBox("restore default parameters on OK", this);
    restore_->setObjectName("id1265");

    auto* hint = new QLabel("Press 'Alt + P' to re-display this dialog box.", this);
    const OkCancel buttons = add_ok_cancel();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(background);
    layout->addWidget(start_new_);
    layout->addWidget(restore_);
    layout->addWidget(hint);
    layout->addLayout(buttons.row);
    for (int i = 0; i + 1 < 8; ++i) setTabOrder(edits_[std::size_t(i)], edits_[std::size_t(i + 1)]);
    setTabOrder(edits_[7], start_new_);
    setTabOrder(start_new_, restore_);
    edits_[0]->setFocus();
}

QLineEdit* PgmParametersDialog::edit(int id) const {
    for (int i = 0; i < 8; ++i)
        if (kEditIds[i] == id) return edits_[std::size_t(i)];
    return nullptr;
}

void PgmParametersDialog::accept() {
    auto text = [this](int i) { return edits_[std::size_t(i)]->text().toStdString(); };
    PgmParametersForm f;
    f.xres = read_integer(text(0));
    f.yres = read_integer(text(1));
    f.scale = read_integer(text(2));
    f.x0 = read_real(text(3));
    f.y0 = read_real(text(4));
    for (int c = 0; c < 3; ++c) f.background[std::size_t(c)] = read_integer(text(5 + c));
    f.start_new_image = start_new_->isChecked();
    f.restore_defaults = restore_->isChecked();
    Settings edited = result_;
    const PgmParametersOutcome out = commit_pgm_parameters(edited, f);
    if (!out.ok()) {
        messages_->refuse(this, QString::fromUtf8(paramerror(out.error)), "Parameter Error");
        // The cursor goes where the correction is needed.
        QLineEdit* refused = edits_[std::size_t(out.entry)];
        refused->setFocus();
        refused->selectAll();
        return;
    }
    result_ = std::move(edited);
    outcome_ = out;
    QDialog::accept();
}

}  // namespace zoquel
