#include "dialogs/biomorph_dialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/dialog_buttons.h"

namespace zoquel {

BiomorphDialog::BiomorphDialog(const Settings& settings, QWidget* parent) : SettingsDialog(settings, parent) {
    setWindowTitle("Select the Biomorph Variation Type");
    setObjectName("id1000");
    auto* box = new QGroupBox(this);
    auto* column = new QVBoxLayout(box);
    group_ = new QButtonGroup(this);
    for (int i = 0; i < kBiomorphVariations; ++i) {
        auto* b = add_radio(group_, i, biomorph_caption(i), 1010 + i, box);
        column->addWidget(b);
        buttons_[std::size_t(i)] = b;
    }
    const int current = settings.bindex >= 0 && settings.bindex < kBiomorphVariations ? settings.bindex : 0;
    buttons_[std::size_t(current)]->setChecked(true);

    auto* hint = new QLabel("Press 'B' to re-display this dialog box.", this);
    const OkCancel buttons = add_ok_cancel();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addWidget(hint);
    layout->addLayout(buttons.row);
    tab_to_checked(group_);
    buttons_[std::size_t(current)]->setFocus();
}

void BiomorphDialog::accept() {
    const int chosen = group_->checkedId();
    if (chosen >= 0) result_.bindex = chosen;
    QDialog::accept();
}

}  // namespace zoquel
