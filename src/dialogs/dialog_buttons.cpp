#include "dialogs/dialog_buttons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace zoquel {

OkCancel make_ok_cancel(QDialog* dialog) {
    auto* row = new QHBoxLayout;
    auto* ok = new QPushButton("OK", dialog);
    ok->setObjectName("id1");
    ok->setDefault(true);
    auto* cancel = new QPushButton("Cancel", dialog);
    cancel->setObjectName("id2");
    row->addStretch(1);
    row->addWidget(ok);
    row->addWidget(cancel);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return {row, ok, cancel};
}

}  // namespace zoquel
