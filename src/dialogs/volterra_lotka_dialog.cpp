#include "dialogs/volterra_lotka_dialog.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/dialog_buttons.h"
#include "dialogs/dialog_text.h"
#include "rules/volterra_lotka_form.h"

namespace zoquel {

namespace {

constexpr const char* kLabels[5] = {"h ( 0.0 - 1.0 ) :", "p ( 0.0 - 1.0 ) :", "maxiter ( rec. 16 - 1024 ) :",
                                    "maxsize ( rec. 16.0 - 256.0 ) :", "target set radius ( 0.01 - 0.5 ) :"};
constexpr const char* kSchemes[3] = {"relative point distance ( ZMag )", "minimum point distance ( BOF33 )",
                                     "level sets of attraction"};
constexpr int kMaxChars = 29;

// "%.d": no digits at all for 0.
std::string integer_text(long v) { return v == 0 ? std::string() : format_integer(v); }

}  // namespace

VolterraLotkaDialog::VolterraLotkaDialog(const Settings& settings, QWidget* parent)
    : SettingsDialog(settings, parent) {
    setWindowTitle("Volterra-Lotka Parameters");
    setObjectName("id900");
    const VolterraLotkaForm f = volterra_lotka_form_from(settings);
    const std::string values[5] = {format_fixed(f.h, 15), format_fixed(f.p, 15), integer_text(f.maxiter),
                                   format_fixed(f.maxsize, 15), format_fixed(f.vlradius, 15)};
    auto* form = new QFormLayout;
    for (int i = 0; i < 5; ++i) {
        auto* e = new QLineEdit(QString::fromStdString(values[i]), this);
        e->setObjectName(QString("id%1").arg(910 + i));
        e->setMaxLength(kMaxChars);
        e->setMinimumWidth(e->fontMetrics().horizontalAdvance(QString(22, '0')));
        form->addRow(kLabels[i], e);
        edits_[std::size_t(i)] = e;
    }

    auto* box = new QGroupBox("   coloring scheme   ", this);
    box->setObjectName("id920");
    auto* column = new QVBoxLayout(box);
    group_ = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        auto* b = add_radio(group_, i, kSchemes[i], 1320 + i, box);
        column->addWidget(b);
        schemes_[std::size_t(i)] = b;
    }
    const int scheme = f.vlcoloring >= 0 && f.vlcoloring <= 2 ? f.vlcoloring : 0;
    schemes_[std::size_t(scheme)]->setChecked(true);

    auto* hint = new QLabel("Press 'V' to re-display this dialog box.", this);
    const OkCancel buttons = add_ok_cancel();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(box);
    layout->addWidget(hint);
    layout->addLayout(buttons.row);

    for (int i = 0; i + 1 < 5; ++i) setTabOrder(edits_[std::size_t(i)], edits_[std::size_t(i + 1)]);
    setTabOrder(edits_[4], schemes_[0]);
    tab_to_checked(group_);
    edits_[0]->setFocus();
}

QLineEdit* VolterraLotkaDialog::edit(int id) const {
    return id >= 910 && id <= 914 ? edits_[std::size_t(id - 910)] : nullptr;
}

void VolterraLotkaDialog::accept() {
    auto real = [this](int i) { return read_real(edits_[std::size_t(i)]->text().toStdString()); };
    VolterraLotkaForm f;
    f.h = real(0);
    f.p = real(1);
    f.maxiter = read_integer(edits_[2]->text().toStdString());
    f.maxsize = real(3);
    f.vlradius = real(4);
    f.vlcoloring = group_->checkedId();
    commit_volterra_lotka_form(result_, f);
    QDialog::accept();
}

}  // namespace zoquel
