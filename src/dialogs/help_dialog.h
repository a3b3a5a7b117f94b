#pragma once
#include <QDialog>

namespace zoquel {

// The help dialog: the help banner, the whole help text, and "Close" (id1), the only way out.
class HelpDialog : public QDialog {
    Q_OBJECT
public:
    explicit HelpDialog(QWidget* parent = nullptr);

    static const char* const kText;

public slots:
    // Escape and the window's close button do nothing.
    void reject() override {}
};

}  // namespace zoquel
