#include "dialogs/biomorph_dialog.h"
#include "dialogs/chaos_mode_dialog.h"
#include "dialogs/dialog_messages.h"
#include "dialogs/julia_dialogs.h"
#include "dialogs/lyapunov_dialog.h"
#include "dialogs/pgm_dialogs.h"
#include "dialogs/volterra_lotka_dialog.h"
#include "formulas/collatz.h"
#include "shell/command_groups.h"
#include "shell/main_window.h"

namespace zoquel::shell {

namespace {

// Runs a dialog over a copy of the live settings and keeps the copy only on OK.
template <class Dialog, class... Extra>
bool edit_settings(MainWindow& w, Extra... extra) {
    Dialog d(w.settings(), extra..., &w);
    if (d.exec() != QDialog::Accepted) return false;
    w.settings() = d.settings();
    return true;
}

}  // namespace

void register_type_option_dialogs(CommandTable& table) {
    table.add_dialog(900, [](MainWindow& w) { return edit_settings<VolterraLotkaDialog>(w); });
    table.add_dialog(1000, [](MainWindow& w) { return edit_settings<BiomorphDialog>(w); });
    table.add_dialog(1750, [](MainWindow& w) { return edit_settings<ChaosModeDialog>(w); });
    table.add_dialog(1100, [](MainWindow& w) {
        PgmFormulaDialog d(w.settings(), &w);
        if (d.exec() != QDialog::Accepted) return false;
        w.settings() = d.settings();
        if (d.firstloop()) w.render().firstloop = true;
        return true;
    });
    table.add_dialog(1200, [](MainWindow& w) {
        HostMessages messages(w.host());
        PgmParametersDialog d(w.settings(), &messages, &w);
        if (d.exec() != QDialog::Accepted) return false;
        w.settings() = d.settings();
        const PgmParametersOutcome& o = d.outcome();
        if (o.firstloop) w.render().firstloop = true;
        w.shell().prestore = o.prestore;
        w.shell().newdimensions = o.newdimensions;
        return true;
    });
    table.add_dialog(1400, [](MainWindow& w) {
        HostMessages messages(w.host());
        return edit_settings<LyapunovDialog>(w, static_cast<DialogMessages*>(&messages));
    });
    table.add_dialog(1500, [](MainWindow& w) { return edit_settings<JuliaSamplesDialog>(w); });
    table.add_dialog(1600, [](MainWindow& w) {
        HostMessages messages(w.host());
        return edit_settings<CardioidDialog>(w, static_cast<DialogMessages*>(&messages));
    });
    table.hooks.cncalculateroots = [](MainWindow& w) {
        const Param& p = w.settings().pc[23];
        w.memory().collatz = cncalculateroots({p.p1, p.p2}, w.host());
        w.settings().cnrootcount = w.memory().collatz->count;
        w.restart_image();
    };
}

}  // namespace zoquel::shell
