#include <QDialog>
#include <functional>
#include <vector>

#include "dialogs/coloring_dialogs.h"
#include "dialogs/parameter_dialog.h"
#include "dialogs/type_dialog.h"
#include "rules/option_commands.h"
#include "rules/type_selection.h"
#include "shell/command_groups.h"
#include "shell/main_window.h"
#include "shell/window_messages.h"

namespace zoquel::shell {

namespace {

void post_all(MainWindow& w, const std::vector<int>& commands) {
    for (int id : commands) w.post_command(id);
}

// Dialog runners: each edits a copy and the window takes it only on OK.

bool type_dialog(MainWindow& w) {
    Settings& s = w.settings();
    TypeDialog d({s.ftype, s.method}, &w);
    if (d.exec() != QDialog::Accepted) return false;
    s.ftype = d.choice().ftype;
    s.method = d.choice().method;
    return true;
}

bool parameter_dialog(MainWindow& w) {
    WindowMessages messages(w.ui());
    ParameterDialog d(w.settings(), &messages, &w);
    if (d.exec() != QDialog::Accepted) return false;
    w.settings() = d.settings();
    const ParameterOutcome& o = d.outcome();
    ShellState& sh = w.shell();
    sh.newdimensions = o.newdimensions;
    sh.newa0 = o.newa0;
    sh.drestore = o.drestore;
    sh.prestore = o.prestore;
    if (o.firstloop) w.render().firstloop = true;
    return true;
}

template <class Dialog>
bool method_dialog(MainWindow& w) {
    Dialog d(w.settings(), &w);
    if (d.exec() != QDialog::Accepted) return false;
    w.settings() = d.settings();
    return true;
}

bool colours_dialog(MainWindow& w) {
    WindowMessages messages(w.ui());
    ColoursDialog d(w.settings(), &messages, &w);
    if (d.exec() != QDialog::Accepted) return false;
    w.settings() = d.settings();
    if (d.outcome().firstloop) w.render().firstloop = true;
    return true;
}

// Commands.

void fractal_type(MainWindow& w) {
    if (!w.run_dialog(200).value_or(false)) return;
    Settings& s = w.settings();
    TypeChoiceOutcome out = choose_type(s, w.state().firsttime, s.ftype, s.method);
    w.restart_image();
    if (out.clear_orbit) w.shell().okorbit = false;
    post_all(w, out.follow_up_commands);
    // The polygons' mode: Cancel keeps the old one, and the new image starts afresh all the same.
    if (out.open_sierpinski_dialog) w.run_dialog(1750);
    if (out.firstloop) w.render().firstloop = true;
}

void parameters(MainWindow& w) {
    if (parameter_command_uses_pgm_dialog(w.settings().ftype)) {
        w.post_command(170);
        return;
    }
    if (!w.run_dialog(400).value_or(false)) return;
    ShellState& sh = w.shell();
    ParameterOutcome flags;
    flags.newdimensions = sh.newdimensions;
    flags.newa0 = sh.newa0;
    flags.drestore = sh.drestore;
    flags.prestore = sh.prestore;
    sh.newdimensions = sh.newa0 = sh.drestore = sh.prestore = false;

    w.restart_image();
    ParameterFollowUp f = after_parameter_dialog(w.settings(), flags);
    if (f.recreate_image) w.recreate_image();
    if (f.recompute_collatz_roots && w.commands().hooks.cncalculateroots) w.commands().hooks.cncalculateroots(w);
    if (f.firstloop) w.render().firstloop = true;
}

void coloring_command(MainWindow& w, const ColoringCommand& c, int template_id,
                      const std::function<std::vector<int>(MainWindow&)>& after) {
    if (c.restart) w.restart_image();
    post_all(w, c.post);
    if (!c.open_dialog || !w.run_dialog(template_id).value_or(false)) return;
    w.restart_image();
    post_all(w, after(w));
}

}  // namespace

void register_options_commands(CommandTable& table) {
    table.add_dialog(200, type_dialog);
    table.add_dialog(400, parameter_dialog);
    table.add_dialog(500, method_dialog<OutsideDialog>);
    table.add_dialog(600, method_dialog<InsideDialog>);
    table.add_dialog(700, colours_dialog);

    table.add(120, fractal_type);
    table.add(125, parameters);
    table.add(155, [](MainWindow& w) {
        coloring_command(w, outside_coloring_command(w.settings()), 500,
                         [](MainWindow& mw) { return after_outside_dialog(mw.settings()); });
    });
    table.add(158, [](MainWindow& w) {
        coloring_command(w, inside_coloring_command(w.settings()), 600,
                         [](MainWindow& mw) { return after_inside_dialog(mw.settings(), mw.shell().firstjlevel); });
    });
    table.add(160, [](MainWindow& w) {
        // A paused image would resume in other colours below its finished rows.
        const Settings before = w.settings();
        if (w.run_dialog(700).value_or(false) && !(w.settings() == before)) w.restart_image();
    });
}

}  // namespace zoquel::shell
