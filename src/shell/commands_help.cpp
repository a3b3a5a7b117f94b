#include "generators/dla.h"
#include "model/type_table.h"
#include "render/type_registry.h"
#include "shell/command_groups.h"
#include "shell/main_window.h"
#include "shell/messages.h"

namespace zoquel::shell {

namespace {

bool julia_dialog_applies(MainWindow& w) {
    return w.settings().method == 1 && is_julia_capable(w.settings().ftype);
}

void formula(MainWindow& w) {
    const Settings& s = w.settings();
    if (!valid_type(s.ftype)) return;
    const char* text = implementation(s.ftype).formula_text[s.method == 1 ? 1 : 0];
    if (text) w.message(text, text::kCaptionFormulae);
}

}  // namespace

void register_help_commands(CommandTable& table) {
    table.add(128, [](MainWindow& w) {
        if (julia_dialog_applies(w))
            w.run_dialog(1500);
        else
            w.message(text::kSamplesUnavailable, text::kCaptionZoquel);
    });
    table.add(130, [](MainWindow& w) {
        if (julia_dialog_applies(w))
            w.run_dialog(1600);
        else
            w.message(text::kAlphaUnavailable, text::kCaptionZoquel);
    });
    table.add(180, [](MainWindow& w) { w.run_dialog(2000); });
    table.add(185, [](MainWindow& w) {
        if (w.commands().hooks.about)
            w.commands().hooks.about(w);
        else
            w.message(text::kAbout, text::kCaptionZoquel);
    });
    table.add(190, formula);
    table.add(192, [](MainWindow& w) { w.message(text::kJuliaLevelSets, text::kCaptionZoquel); });
    table.add(194, [](MainWindow& w) { w.message(kDlaHelp, text::kCaptionZoquel); });
}

}  // namespace zoquel::shell
