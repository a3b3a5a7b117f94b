#include "shell/user_interface.h"

#include <QFileDialog>
#include <QMessageBox>

#include "files/file_dialogs.h"

namespace zoquel::shell {

MessageAnswer QtUserInterface::message_box(const std::string& text, const std::string& caption, MessageIcon icon,
                                           MessageButtons buttons, bool owned) {
    QMessageBox box(icon == MessageIcon::information ? QMessageBox::Information : QMessageBox::Warning,
                    QString::fromStdString(caption), QString::fromStdString(text),
                    buttons == MessageButtons::yes_no ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    owned ? owner_ : nullptr);
    const int answer = box.exec();
    if (buttons == MessageButtons::ok) return MessageAnswer::ok;
    return answer == QMessageBox::Yes ? MessageAnswer::yes : MessageAnswer::no;
}

namespace {

std::optional<std::string> run_file_dialog(QWidget* owner, const FileDialogRequest& r, bool save) {
    QStringList filters{QString::fromStdString(r.filter)};
    for (const std::string& more : r.more_filters) filters << QString::fromStdString(more);
    QFileDialog dialog(owner, QString::fromStdString(r.title), QString::fromStdString(r.initial_path),
                       filters.join(";;"));
    // A name typed without an extension gets that of the format chosen.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(QString::fromStdString(filter_suffix(filter.toStdString())));
    });
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!r.default_suffix.empty()) dialog.setDefaultSuffix(QString::fromStdString(r.default_suffix));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

}  // namespace

std::optional<std::string> QtUserInterface::open_file(const FileDialogRequest& request) {
    return run_file_dialog(owner_, request, false);
}

std::optional<std::string> QtUserInterface::save_file(const FileDialogRequest& request) {
    return run_file_dialog(owner_, request, true);
}

void QtUserInterface::ask(const std::string& text, const std::string& caption, std::function<void(bool yes)> answered) {
    auto* box = new QMessageBox(QMessageBox::Question, QString::fromStdString(caption), QString::fromStdString(text),
                                QMessageBox::Yes | QMessageBox::No, owner_);
    box->setObjectName(QStringLiteral("question"));
    box->setDefaultButton(QMessageBox::No);
    box->setWindowModality(Qt::WindowModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(box, &QMessageBox::finished, box, [box, answered = std::move(answered)](int) {
        answered(box->clickedButton() == box->button(QMessageBox::Yes));
    });
    box->open();
}

MessageAnswer RecordingUserInterface::message_box(const std::string& text, const std::string& caption,
                                                  MessageIcon icon, MessageButtons buttons, bool owned) {
    messages.push_back({text, caption, icon, buttons, owned});
    if (buttons == MessageButtons::ok) return MessageAnswer::ok;
    if (answers.empty()) return MessageAnswer::yes;
    MessageAnswer a = answers.front();
    answers.pop_front();
    return a;
}

std::optional<std::string> RecordingUserInterface::next_file() {
    if (file_answers.empty()) return std::nullopt;
    auto a = file_answers.front();
    file_answers.pop_front();
    return a;
}

std::optional<std::string> RecordingUserInterface::open_file(const FileDialogRequest& request) {
    file_dialogs.push_back({false, request});
    return next_file();
}

std::optional<std::string> RecordingUserInterface::save_file(const FileDialogRequest& request) {
    file_dialogs.push_back({true, request});
    return next_file();
}

}  // namespace zoquel::shell
