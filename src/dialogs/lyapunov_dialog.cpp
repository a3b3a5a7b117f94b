#include "dialogs/lyapunov_dialog.h"

#include <QButtonGroup>
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
#include "rules/lyapunov_form.h"
#include "rules/parameter_rules.h"

namespace zoquel {

namespace {

constexpr int kEditIds[7] = {1415, 1420, 1425, 1445, 1450, 1455, 1460};
constexpr int kNumberChars = 29;
constexpr int kSequenceChars = 259;

}  // namespace

LyapunovDialog::LyapunovDialog(const Settings& settings, DialogMessages* messages, QWidget* parent)
    : SettingsDialog(settings, parent), messages_(messages ? messages : &standard_messages()) {
    setWindowTitle("Lyapunov Options");
    setObjectName("id1400");
    const LyapunovForm f = lyapunov_form_from(settings);
    const std::string values[7] = {f.sequence,
                                   format_fixed(f.x01, 15),
                                   format_fixed(f.k, 15),
                                   format_fixed(f.x02, 15),
                                   format_fixed(f.y02, 15),
                                   format_fixed(f.c, 15),
                                   format_fixed(f.d, 15)};
    for (int i = 0; i < 7; ++i) {
        auto* e = new QLineEdit(QString::fromStdString(values[i]), this);
        e->setObjectName(QString("id%1").arg(kEditIds[i]));
        e->setMaxLength(i == 0 ? kSequenceChars : kNumberChars);
        e->setMinimumWidth(e->fontMetrics().horizontalAdvance(QString(22, '0')));
        edits_[std::size_t(i)] = e;
    }

    auto* markus = new QGroupBox("Lyapunov 1 - Markus", this);
    markus->setObjectName("id1405");
    auto* markusForm = new QFormLayout;
    markusForm->addRow("sequence:", edits_[0]);
    markusForm->addRow("0.0 <  x(0)  < 1.0:", edits_[1]);
    markusForm->addRow("0.1 <=  k  <= 5.0:", edits_[2]);
    group_ = new QButtonGroup(this);
    const char* captions[2] = {"standard algorithm", "Fractint algorihtm"};
    for (int i = 0; i < 2; ++i) {
        auto* b = add_radio(group_, i, captions[i], 1430 + i, markus);
        algorithms_[std::size_t(i)] = b;
    }
    algorithms_[std::size_t(f.algorithm == 1 ? 1 : 0)]->setChecked(true);
    auto* markusLayout = new QVBoxLayout(markus);
    markusLayout->addLayout(markusForm);
    markusLayout->addWidget(algorithms_[0]);
    markusLayout->addWidget(algorithms_[1]);

    auto* pickover = new QGroupBox("Lyapunov 2 - Pickover", this);
    pickover->setObjectName("id1440");
    auto* pickoverForm = new QFormLayout(pickover);
    x0_label_ = new QLabel("0.0 <  x(0)  < 1.0:", pickover);
    x0_label_->setObjectName("id1465");
    y0_label_ = new QLabel("0.0 <  y(0)  < 1.0:", pickover);
    y0_label_->setObjectName("id1470");
    pickoverForm->addRow(x0_label_, edits_[3]);
    pickoverForm->addRow(y0_label_, edits_[4]);
    pickoverForm->addRow("0.5 <=  c  <= 1.5:", edits_[5]);
    pickoverForm->addRow("0.5 <=  d  <= 1.5:", edits_[6]);

    // The controls of the other method stay visible but cannot be edited.
    const bool markusInUse = settings.method == 0;
    markus->setEnabled(markusInUse);
    pickover->setEnabled(!markusInUse);

    auto* hint = new QLabel("Press 'Alt + L' to re-display this dialog box.", this);
    const OkCancel buttons = add_ok_cancel();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(markus);
    layout->addWidget(pickover);
    layout->addWidget(hint);
    layout->addLayout(buttons.row);

    setTabOrder(edits_[0], edits_[1]);
    setTabOrder(edits_[1], edits_[2]);
    setTabOrder(edits_[2], algorithms_[0]);
    setTabOrder(algorithms_[0], algorithms_[1]);
    setTabOrder(algorithms_[1], edits_[3]);
    for (int i = 3; i + 1 < 7; ++i) setTabOrder(edits_[std::size_t(i)], edits_[std::size_t(i + 1)]);
    setTabOrder(edits_[6], ok_button());
    setTabOrder(ok_button(), cancel_button());
    tab_to_checked(group_);
    (markusInUse ? edits_[0] : edits_[3])->setFocus();
}

QLineEdit* LyapunovDialog::edit(int id) const {
    for (int i = 0; i < 7; ++i)
        if (kEditIds[i] == id) return edits_[std::size_t(i)];
    return nullptr;
}

QLabel* LyapunovDialog::label(int id) const {
    return id == 1465 ? x0_label_ : id == 1470 ? y0_label_ : nullptr;
}

void LyapunovDialog::accept() {
    auto real = [this](int i) { return read_real(edits_[std::size_t(i)]->text().toStdString()); };
    LyapunovForm f;
    f.sequence = edits_[0]->text().toStdString();
    f.x01 = real(1);
    f.k = real(2);
    f.algorithm = group_->checkedId();
    f.x02 = real(3);
    f.y02 = real(4);
    f.c = real(5);
    f.d = real(6);
    Settings edited = result_;
    const LyapunovOutcome out = commit_lyapunov_form(edited, f);
    if (!out.ok()) {
        messages_->refuse(this, QString::fromUtf8(paramerror(out.error)), "Parameter Error");
        return;
    }
    result_ = edited;
    QDialog::accept();
}

}  // namespace zoquel
