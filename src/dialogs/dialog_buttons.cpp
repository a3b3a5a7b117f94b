#include "dialogs/dialog_buttons.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDialog>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>

namespace zoquel {

namespace {

class TabToChecked : public QObject {
public:
    TabToChecked(QButtonGroup* group) : QObject(group), group_(group) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            auto reason = static_cast<QFocusEvent*>(event)->reason();
            QAbstractButton* checked = group_->checkedButton();
            if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) && checked &&
                checked != watched && checked->isEnabled() && checked->isVisible())
                checked->setFocus(reason);
        }
        return false;
    }

private:
    QButtonGroup* group_;
};

}  // namespace

QRadioButton* add_radio(QButtonGroup* group, int index, const QString& caption, int id, QWidget* parent) {
    auto* b = new QRadioButton(caption, parent);
    b->setObjectName(QString("id%1").arg(id));
    group->addButton(b, index);
    return b;
}

void tab_to_checked(QButtonGroup* group) {
    auto* filter = new TabToChecked(group);
    for (QAbstractButton* b : group->buttons()) b->installEventFilter(filter);
}

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
