#include "dialogs/dialog_messages.h"
#include "dialogs/newton_dialogs.h"
#include "shell/command_groups.h"
#include "shell/main_window.h"

namespace zoquel::shell {

void register_newton_dialogs(CommandTable& table) {
    table.add_dialog(800, [](MainWindow& w) {
        HostMessages messages(w.host());
        NewtonOptionsDialog d(w.settings(), &messages, &w);
        if (d.exec() != QDialog::Accepted) return false;
        w.settings() = d.settings();
        return true;
    });
    table.add_dialog(1300, [](MainWindow& w) {
        NvFormulaDialog d(w.settings(), &w);
        if (d.exec() != QDialog::Accepted) return false;
        w.settings() = d.settings();
        if (d.formula_changed()) w.memory().nvfirst = true;
        return true;
    });
}

}  // namespace zoquel::shell
