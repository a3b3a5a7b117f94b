#include "shell/command_groups.h"

#include "shell/commands.h"

namespace zoquel::shell {

const CommandHandler* CommandTable::find(int id) const {
    auto it = commands_.find(id);
    return it == commands_.end() ? nullptr : &it->second;
}

const DialogRunner* CommandTable::find_dialog(int template_id) const {
    auto it = dialogs_.find(template_id);
    return it == dialogs_.end() ? nullptr : &it->second;
}

void register_command_groups(CommandTable& table) {
    register_render_commands(table);
    register_palette_commands(table);
    register_help_commands(table);
    register_type_option_commands(table);
    register_options_commands(table);
    register_newton_dialogs(table);
    register_file_commands(table, {});
    register_type_option_dialogs(table);
    register_presentation(table);
    register_deep_view_commands(table);
}

}  // namespace zoquel::shell
