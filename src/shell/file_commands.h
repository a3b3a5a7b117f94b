#pragma once
#include <memory>
#include <string>

#include "files/file_dialogs.h"
#include "shell/user_interface.h"

namespace zoquel::shell {

// register_file_commands (command_groups.h) adds the File menu (100 load, 103 save image and
// parameters, 106 save parameters), the MAP file command (135) and the start-up parameter
// file. Each window that registers them gets its own dialog paths, starting in the given
// directory (empty: the current directory).

// What the shell's dialog interface is asked for one of the four file dialogs, opening on
// the path remembered for it.
FileDialogRequest file_dialog_request(FileDialogId id, const FileDialogPaths& paths);

}  // namespace zoquel::shell
