#pragma once
#include <QDialog>
#include <array>

#include "formulas/biomorph.h"
#include "render/settings.h"

class QButtonGroup;
class QPushButton;
class QRadioButton;

namespace zoquel {

// "Select the Biomorph Variation Type": one radio button per variation of type 5. After OK
// settings() holds the chosen bindex; otherwise the settings as given.
class BiomorphDialog : public QDialog {
    Q_OBJECT
public:
    explicit BiomorphDialog(const Settings& settings, QWidget* parent = nullptr);

    const Settings& settings() const { return result_; }
    // Radios 1010 .. 1020 by variation 0 .. 10.
    QRadioButton* variation_button(int i) const { return buttons_[std::size_t(i)]; }
    QPushButton* ok_button() const { return ok_; }
    QPushButton* cancel_button() const { return cancel_; }

public slots:
    void accept() override;

private:
    Settings result_;
    std::array<QRadioButton*, kBiomorphVariations> buttons_{};
    QButtonGroup* group_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace zoquel
