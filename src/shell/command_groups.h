#pragma once
#include <string>

namespace zoquel::shell {

class CommandTable;

// The one place every command group is registered. A new group lives in its own
// commands_*.cpp, declares its register function here and is called from command_groups.cpp.
void register_command_groups(CommandTable& table);

void register_render_commands(CommandTable& table);       // 110, 115, 196
void register_palette_commands(CommandTable& table);      // 140, 145, 150
void register_help_commands(CommandTable& table);         // 128, 130, 180, 185, 190, 192, 194
void register_type_option_commands(CommandTable& table);  // 162 .. 174
void register_options_commands(CommandTable& table);      // 120, 125, 155, 158, 160
void register_newton_dialogs(CommandTable& table);        // dialogs 800, 1300
void register_file_commands(CommandTable& table, const std::string& start_directory);  // 100, 103, 106, 135
void register_type_option_dialogs(CommandTable& table);   // 900, 1000, 1400; type 23's root search
void register_presentation(CommandTable& table);
void register_deep_view_commands(CommandTable& table);   // 126, dialog 2100          // dialog 2000; the about window, the closing splash

}  // namespace zoquel::shell
