#pragma once
#include <functional>
#include <map>
#include <string>

namespace zoquel::shell {

class MainWindow;

// A menu, accelerator or posted command. Runs only while idle or paused.
using CommandHandler = std::function<void(MainWindow&)>;
// A modal dialog by its template number; true on OK. Edits the live settings only on OK.
using DialogRunner = std::function<bool(MainWindow&)>;

// Pieces of the explorer that arrive with later parts of the program. Each is optional: an
// empty one means the feature is not there and the window does nothing visible for it.
struct ShellHooks {
    // Start-up splash (calls `then` when it has gone), introduction picture (command 196),
    // closing splash (command 110: ends the program when dismissed) and about window (command 185).
    std::function<void(MainWindow&, std::function<void()> then)> startup_splash;
    std::function<void(MainWindow&)> introduction;
    std::function<void(MainWindow&)> closing_splash;
    std::function<void(MainWindow&)> about;
    // Loads a parameter file named on the command line into the live settings.
    std::function<void(MainWindow&, const std::string& path)> load_parameter_file;
    // Recomputes the type-23 roots (C key; the parameter dialog's new critical point).
    std::function<void(MainWindow&)> cncalculateroots;
};

// What the window can do: commands by identifier, dialogs by template number, and the hooks.
// Each command group fills it from its own file; see command_groups.h.
class CommandTable {
public:
    void add(int id, CommandHandler handler) { commands_[id] = std::move(handler); }
    void add_dialog(int template_id, DialogRunner runner) { dialogs_[template_id] = std::move(runner); }
    bool has(int id) const { return commands_.count(id) != 0; }
    bool has_dialog(int template_id) const { return dialogs_.count(template_id) != 0; }
    const CommandHandler* find(int id) const;
    const DialogRunner* find_dialog(int template_id) const;

    ShellHooks hooks;

private:
    std::map<int, CommandHandler> commands_;
    std::map<int, DialogRunner> dialogs_;
};

}  // namespace zoquel::shell
