#include <QDialog>

#include "dialogs/deep_view_dialog.h"
#include "rules/deep_zoom.h"
#include "shell/command_groups.h"
#include "shell/commands.h"
#include "shell/main_window.h"
#include "shell/messages.h"
#include "shell/window_messages.h"

namespace zoquel::shell {

namespace {

constexpr int kDeepViewCommand = 126, kDeepViewDialog = 2100;

bool deep_view_dialog(MainWindow& w) {
    WindowMessages messages(w.ui());
    DeepViewDialog d(w.settings(), &messages, &w);
    if (d.exec() != QDialog::Accepted) return false;
    w.settings() = d.settings();
    return true;
}

void deep_view(MainWindow& w) {
    if (!has_deep_path(w.settings())) {
        w.message("Deep views are for Mandelbrot/Julia with the exponent 2.", text::kTitle);
        return;
    }
    if (!w.run_dialog(kDeepViewDialog).value_or(false)) return;
    w.restart_image();
    w.setWindowTitle(QString::fromStdString(title_with_magnification(w.settings(), text::kTitle)));
}

}  // namespace

void register_deep_view_commands(CommandTable& table) {
    table.add_dialog(kDeepViewDialog, deep_view_dialog);
    table.add(kDeepViewCommand, deep_view);
}

}  // namespace zoquel::shell
