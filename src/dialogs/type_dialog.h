#pragma once
#include <array>

#include "dialogs/settings_dialog.h"

class QAbstractButton;
class QButtonGroup;
class QPushButton;
class QRadioButton;

namespace zoquel {

// What the type dialog hands back: the type and, for a type with a fixed method, that method.
struct TypeChoice {
    int ftype = 0;
    int method = 0;
};

// "Select the Fractal Type". Takes the current choice; after exec() returns Accepted,
// choice() is what the user picked. Choosing changes nothing by itself: the caller passes the
// choice to choose_type().
class TypeDialog : public OkCancelDialog {
    Q_OBJECT
public:
    explicit TypeDialog(TypeChoice current, QWidget* parent = nullptr);

    TypeChoice choice() const { return choice_; }

    QRadioButton* type_button(int ftype) const { return type_buttons_[std::size_t(ftype)]; }
    QRadioButton* method_button(int method) const { return method_buttons_[std::size_t(method)]; }

public slots:
    void accept() override;

private:
    void show_methods_for(int ftype);

    std::array<QRadioButton*, 40> type_buttons_{};
    std::array<QRadioButton*, 2> method_buttons_{};
    QButtonGroup* types_ = nullptr;
    QButtonGroup* methods_ = nullptr;
    TypeChoice choice_;
};

}  // namespace zoquel
