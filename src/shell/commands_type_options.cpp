#include "rules/defaults.h"
#include "shell/command_groups.h"
#include "shell/main_window.h"

namespace zoquel::shell {

namespace {

// The per-type option dialogs: on OK the image starts anew, and some types need an outside
// colouring other than a solid colour.
CommandHandler option_dialog(int template_id, void (*on_ok)(MainWindow&)) {
    return [template_id, on_ok](MainWindow& w) {
        if (!w.run_dialog(template_id).value_or(false)) return;
        w.restart_image();
        if (on_ok) on_ok(w);
    };
}

void outside_not_solid(MainWindow& w) {
    if (w.settings().outside == 0) w.settings().outside = 1;
}

void outside_level_sets(MainWindow& w) { w.settings().outside = 1; }

}  // namespace

void register_type_option_commands(CommandTable& table) {
    table.add(162, option_dialog(800, outside_not_solid));
    table.add(164, option_dialog(900, outside_level_sets));
    table.add(166, option_dialog(1000, outside_level_sets));
    table.add(168, option_dialog(1100, [](MainWindow& w) { w.post_command(170); }));
    table.add(170, option_dialog(1200, [](MainWindow& w) {
        ShellState& sh = w.shell();
        // A new size needs a new image surface, as after the parameter dialog.
        if (sh.newdimensions) {
            sh.newdimensions = false;
            w.recreate_image();
            w.render().firstloop = true;
        }
        if (sh.prestore) {
            sh.prestore = false;
            defaultparams(w.settings());
        }
    }));
    table.add(172, option_dialog(1300, outside_not_solid));
    table.add(174, option_dialog(1400, outside_level_sets));
}

}  // namespace zoquel::shell
