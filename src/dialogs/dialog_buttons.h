#pragma once
class QButtonGroup;
class QDialog;
class QHBoxLayout;
class QPushButton;
class QRadioButton;
class QString;
class QWidget;

namespace zoquel {

// The "OK" / "Cancel" pair every dialog ends with: OK (id1) is the default button, so Enter
// presses it; Escape rejects, which is Cancel (id2).
struct OkCancel {
    QHBoxLayout* row;
    QPushButton* ok;
    QPushButton* cancel;
};
OkCancel make_ok_cancel(QDialog* dialog);

// A radio button of `group` under `index`, named "id<id>" as its control; the caller lays it out.
QRadioButton* add_radio(QButtonGroup* group, int index, const QString& caption, int id, QWidget* parent);

// Tab into a radio group lands on its checked button, as it does on other desktops.
void tab_to_checked(QButtonGroup* group);

}  // namespace zoquel
