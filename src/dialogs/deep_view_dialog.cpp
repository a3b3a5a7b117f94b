#include "dialogs/deep_view_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "dialogs/dialog_messages.h"

namespace zoquel {

namespace {

constexpr const char* kLabels[4] = {"Centre, real part", "Centre, imaginary part", "Width", "Iterations"};
constexpr const char* kNames[4] = {"deepRe", "deepIm", "deepWidth", "deepMaxiter"};

}  // namespace

DeepViewDialog::DeepViewDialog(const Settings& settings, DialogMessages* messages, QWidget* parent)
    : SettingsDialog(settings, parent), messages_(messages ? messages : &standard_messages()) {
    setWindowTitle("Deep View");
    setObjectName("deepView");
    const DeepViewForm form = deep_view_form_from(settings);
    const QString texts[4] = {QString::fromStdString(form.re), QString::fromStdString(form.im),
                              QString::fromStdString(form.width), QString::number(form.maxiter)};
    auto* grid = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        auto* e = new QLineEdit(texts[i], this);
        e->setObjectName(kNames[i]);
        e->setMinimumWidth(e->fontMetrics().horizontalAdvance(QString(40, '0')));
        edits_[std::size_t(i)] = e;
        grid->addWidget(new QLabel(kLabels[i], this), i, 0);
        grid->addWidget(e, i, 1);
    }
    const OkCancel buttons = add_ok_cancel();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons.row);
}

void DeepViewDialog::accept() {
    DeepViewForm form;
    form.re = edits_[0]->text().toStdString();
    form.im = edits_[1]->text().toStdString();
    form.width = edits_[2]->text().toStdString();
    bool number = false;
    form.maxiter = edits_[3]->text().trimmed().toLong(&number);
    if (!number) form.maxiter = 0;
    Settings s = result_;
    if (const std::string refusal = commit_deep_view_form(s, form); !refusal.empty()) {
        messages_->refuse(this, QString::fromStdString(refusal), "Deep View");
        return;
    }
    result_ = s;
    QDialog::accept();
}

}  // namespace zoquel
