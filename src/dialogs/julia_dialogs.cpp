#include "dialogs/julia_dialogs.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/dialog_messages.h"
#include "dialogs/dialog_text.h"
#include "dialogs/pictures.h"
#include "rules/parameter_rules.h"

namespace zoquel {

namespace {

const char* const kSamplesText =
    "The 'c' value of the most recent image is stored and is displayed in the first item of the list.\n\n"
    "Selecting it will transfer the value to the Julia type which is currently selected.";

const char* const kCardioidText =
    "The cardioid border is described using the angle\n         phi = alpha * 2Pi\n"
    "   and a modification of the epicycloid formula:\n"
    "         x = ( (cos (phi) / 2.0) - (cos (2.0 * phi) / 4.0) )\n"
    "         y = ( (sin (phi) / 2.0) - (sin (2.0 * phi) / 4.0) )\n"
    "If alpha is rational, (x, y) represents the attachment site\n"
    "   of a bud of period d, and its Julia set is 'parabolic'.\n"
    "If it is irrational, the Julia set contains a Siegel disk.\n"
    "To select a random (and usually irrational ) value of phi,\n"
    "   cancel now and press 'J' at any time.";

constexpr int kMaxChars = 29;

}  // namespace

JuliaSamplesDialog::JuliaSamplesDialog(const Settings& settings, QWidget* parent) : SettingsDialog(settings, parent) {
    setWindowTitle("Sample Julia 'c' Parameters");
    setObjectName("id1500");
    auto* text = new QLabel(kSamplesText, this);
    text->setWordWrap(true);
    auto* box = new QGroupBox(this);
    box->setObjectName("id1510");
    auto* column = new QVBoxLayout(box);
    group_ = new QButtonGroup(this);
    for (int i = 0; i < kJuliaSampleEntries; ++i) {
        auto* b = add_radio(group_, i, QString::fromStdString(julia_sample_caption(settings, i)), 1520 + i, box);
        column->addWidget(b);
        buttons_[std::size_t(i)] = b;
    }
    // A placeholder, never chosen.
    buttons_.back()->setEnabled(false);
    buttons_[std::size_t(julia_sample_shown(settings))]->setChecked(true);

    const OkCancel buttons = add_ok_cancel();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(box);
    layout->addLayout(buttons.row);
    tab_to_checked(group_);
    group_->checkedButton()->setFocus();
}

void JuliaSamplesDialog::accept() {
    commit_julia_sample(result_, group_->checkedId());
    QDialog::accept();
}

CardioidDialog::CardioidDialog(const Settings& settings, DialogMessages* messages, QWidget* parent)
    : SettingsDialog(settings, parent), messages_(messages ? messages : &standard_messages()) {
    setWindowTitle("Cardioid Border Parameters");
    setObjectName("id1600");
    picture_ = new QLabel(this);
    picture_->setObjectName("id1610");
    picture_->setPixmap(QPixmap(pictures::kCardioid));
    picture_->setAlignment(Qt::AlignCenter);

    auto* box = new QGroupBox(" Select alpha = n / d", this);
    box->setObjectName("id1620");
    auto* form = new QFormLayout(box);
    auto edit = [&](int id, long value) {
        auto* e = new QLineEdit(QString::fromStdString(format_integer(value)), box);
        e->setObjectName(QString("id%1").arg(id));
        e->setMaxLength(kMaxChars);
        return e;
    };
    numerator_ = edit(1630, settings.anum);
    denominator_ = edit(1640, settings.aden);
    form->addRow("n (umerator):", numerator_);
    form->addRow("d (enominator):", denominator_);

    auto* text = new QLabel(kCardioidText, this);
    const OkCancel buttons = add_ok_cancel();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture_);
    layout->addWidget(box);
    layout->addWidget(text);
    layout->addLayout(buttons.row);
    numerator_->setFocus();
}

void CardioidDialog::accept() {
    Settings edited = result_;
    const CardioidOutcome out = commit_cardioid(edited, read_integer(numerator_->text().toStdString()),
                                                read_integer(denominator_->text().toStdString()));
    if (!out.ok()) {
        messages_->refuse(this, QString::fromUtf8(paramerror(out.error)), "Parameter Error");
        QLineEdit* refused = out.entry == 0 ? numerator_ : denominator_;
        refused->setFocus();
        refused->selectAll();
        return;
    }
    result_ = std::move(edited);
    QDialog::accept();
}

}  // namespace zoquel
