#include "dialogs/type_dialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/dialog_buttons.h"
#include "model/type_table.h"

namespace zoquel {

TypeDialog::TypeDialog(TypeChoice current, QWidget* parent) : OkCancelDialog(parent), choice_(current) {
    setWindowTitle("Select the Fractal Type");
    setObjectName("id200");
    if (!valid_type(choice_.ftype)) choice_.ftype = 0;
    if (choice_.method != 1) choice_.method = 0;

    auto* typeBox = new QGroupBox(this);
    typeBox->setObjectName("id210");
    auto* typeGrid = new QGridLayout(typeBox);
    types_ = new QButtonGroup(this);
    constexpr int rows = kTypeCount / 2;
    for (int i = 0; i < kTypeCount; ++i) {
        auto* b = add_radio(types_, i, QString::fromUtf8(type_info(i).name), 220 + i, typeBox);
        typeGrid->addWidget(b, i % rows, i / rows);
        type_buttons_[std::size_t(i)] = b;
    }

    auto* methodBox = new QGroupBox(" Calculation Method ", this);
    methodBox->setObjectName("id215");
    auto* methodRow = new QHBoxLayout(methodBox);
    methods_ = new QButtonGroup(this);
    for (int m = 0; m < 2; ++m) {
        auto* b = add_radio(methods_, m, QString(), 270 + m, methodBox);
        methodRow->addWidget(b);
        method_buttons_[std::size_t(m)] = b;
    }

    const OkCancel buttons = add_ok_cancel();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(typeBox);
    layout->addWidget(methodBox);
    layout->addLayout(buttons.row);

    show_methods_for(choice_.ftype);
    type_buttons_[std::size_t(choice_.ftype)]->setChecked(true);
    method_buttons_[std::size_t(choice_.method)]->setChecked(true);
    // The method buttons keep their check marks when another type is clicked.
    connect(types_, &QButtonGroup::idClicked, this, &TypeDialog::show_methods_for);
    tab_to_checked(types_);
    tab_to_checked(methods_);

    type_buttons_[std::size_t(choice_.ftype)]->setFocus();
}

void TypeDialog::show_methods_for(int ftype) {
    auto captions = method_captions(ftype);
    const bool free = forced_method(ftype) < 0;
    for (int m = 0; m < 2; ++m) {
        method_buttons_[std::size_t(m)]->setText(QString::fromUtf8(captions[std::size_t(m)]));
        method_buttons_[std::size_t(m)]->setEnabled(free);
    }
}

void TypeDialog::accept() {
    int t = types_->checkedId();
    int m = methods_->checkedId();
    choice_.ftype = t >= 0 ? t : choice_.ftype;
    choice_.method = m >= 0 ? m : 0;
    if (int forced = forced_method(choice_.ftype); forced >= 0) choice_.method = forced;
    QDialog::accept();
}

}  // namespace zoquel
