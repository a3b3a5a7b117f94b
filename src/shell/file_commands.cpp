#include "shell/file_commands.h"

#include <QApplication>
#include <QCursor>
#include <filesystem>
#include <system_error>

#include "files/file_messages.h"
#include "files/map_file.h"
#include "files/parameter_file.h"
#include "files/parameter_sources.h"
#include "files/png_file.h"
#include "files/safe_file.h"
#include "files/targa.h"
#include "files/text_parameters.h"
#include "shell/command_groups.h"
#include "shell/commands.h"
#include "rules/deep_zoom.h"
#include "shell/main_window.h"
#include "shell/messages.h"

namespace zoquel::shell {

namespace {

using Paths = std::shared_ptr<FileDialogPaths>;

// `owned`: the box belongs to the main window, as the load and palette errors do.
void show(MainWindow& w, const MessageText& m, bool owned = false) {
    w.ui().message_box(m.text, m.caption, m.icon, m.buttons, owned);
}

// The chosen path, remembered for the dialog's next use, or nothing when cancelled. The window
// is repainted at once so the dialog leaves no trace before the slow work starts.
std::optional<std::string> choose(MainWindow& w, const Paths& paths, FileDialogId id) {
    const FileDialogRequest request = file_dialog_request(id, *paths);
    std::optional<std::string> path =
        file_dialog_layout(id).save ? w.ui().save_file(request) : w.ui().open_file(request);
    if (!path || path->empty()) return std::nullopt;
    paths->of(id) = *path;
    w.redraw_now();
    return path;
}

// The new settings show at the next Plot Fractal, as a new image.
void settings_replaced(MainWindow& w) {
    w.restart_image();
    if (is_first_loop_type(w.settings().ftype)) w.render().firstloop = true;
    // Type 27's basins are measured against the roots of the formula the file names.
    w.memory().nvfirst = true;
    w.setWindowTitle(QString::fromStdString(title_with_magnification(w.settings(), text::kTitle)));
}

// Writes the parameter file and reports it; false on failure.
bool save_parameters(MainWindow& w, const std::string& path) {
    const int e = has_extension(path, "zqt") ? save_text_parameters(w.settings(), path) : writezq(w.settings(), path);
    if (e != kZqOk) {
        show(w, save_error_message(e));
        return false;
    }
    show(w, file_message(FileMessage::parameters_saved, bare_file_name(path)));
    // The parameters reproduce the image: nothing is lost on exit.
    w.shell().unsaved = false;
    if (!has_extension(path, "zqt") && active_deep_view(w.settings()))
        show(w, file_message(FileMessage::deep_view_as_zq, bare_file_name(path)));
    return true;
}

// Loads a parameter file of any kind; a refusal is reported and changes nothing. The binary
// record's refusal keeps its one short message; the newer formats say what is wrong.
bool load_file(MainWindow& w, const std::string& path) {
    const std::optional<ParameterLoadError> refusal = load_parameter_file(path, w.settings());
    if (!refusal) return true;
    if (refusal->kind == ParameterFileKind::binary) show(w, file_message(FileMessage::zq_open_error), true);
    else show(w, file_message(FileMessage::parameters_refused, bare_file_name(path) + ": " + refusal->reason), true);
    return false;
}

void load_parameters(MainWindow& w, const Paths& paths) {
    std::optional<std::string> path = choose(w, paths, FileDialogId::zq_open);
    if (!path || !load_file(w, *path)) return;
    settings_replaced(w);
    show(w, file_message(FileMessage::zq_loaded, bare_file_name(*path)));
}

void save_image_and_parameters(MainWindow& w, const Paths& paths) {
    std::optional<std::string> path = choose(w, paths, FileDialogId::tga_save);
    if (!path) return;
    // The window takes no input while the image is written.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    w.setEnabled(false);
    const int e = has_extension(*path, "png") ? write_png(w.state().image, *path, write_text_parameters(w.settings()))
                                              : writetga(w.state().image, *path);
    w.setEnabled(true);
    QApplication::restoreOverrideCursor();
    if (e != kTargaOk) {
        show(w, save_error_message(e));
        return;
    }
    show(w, file_message(FileMessage::image_saved, bare_file_name(*path)));
    paths->szqfile = zq_name_for_image(*path);
    save_parameters(w, paths->szqfile);
}

void save_parameters_only(MainWindow& w, const Paths& paths) {
    if (std::optional<std::string> path = choose(w, paths, FileDialogId::zq_save)) save_parameters(w, *path);
}

void map_file(MainWindow& w, const Paths& paths) {
    std::optional<std::string> path = choose(w, paths, FileDialogId::map_open);
    if (!path) return;
    ShellState& shell = w.shell();
    if (OpenMapFile(*path, shell.paltemp) != kMapOk) {
        show(w, file_message(FileMessage::map_open_error), true);
        return;
    }
    if (shell.palpreview && !w.ask_palette(shell.paltemp)) {
        // No: the file dialog again, for another map.
        w.post_command(135);
        return;
    }
    w.settings().palette = shell.paltemp;
    if (is_first_loop_type(w.settings().ftype)) w.render().firstloop = true;
}

// A file named on the command line: loaded before the first plot. A file that cannot be
// loaded is reported, and the plot shows the start-up settings.
void load_at_startup(MainWindow& w, const Paths& paths, const std::string& path) {
    paths->ozqfile = path;
    if (load_file(w, path)) settings_replaced(w);
}

std::string current_directory() {
    std::error_code ec;
    std::filesystem::path cwd = std::filesystem::current_path(ec);
    return ec ? std::string("/") : cwd.string();
}

}  // namespace

FileDialogRequest file_dialog_request(FileDialogId id, const FileDialogPaths& paths) {
    const FileDialogLayout& layout = file_dialog_layout(id);
    FileDialogRequest r;
    r.title = layout.title;
    r.filter = layout.filter_text;
    r.default_suffix = layout.default_suffix;
    for (const char* more : layout.more_filters)
        if (more) r.more_filters.emplace_back(more);
    r.initial_path = dialog_start_path(paths.of(id));
    return r;
}

void register_file_commands(CommandTable& table, const std::string& start_directory) {
    auto paths = std::make_shared<FileDialogPaths>(
        InitOpenFile(start_directory.empty() ? current_directory() : start_directory));
    table.add(100, [paths](MainWindow& w) { load_parameters(w, paths); });
    table.add(103, [paths](MainWindow& w) { save_image_and_parameters(w, paths); });
    table.add(106, [paths](MainWindow& w) { save_parameters_only(w, paths); });
    table.add(135, [paths](MainWindow& w) { map_file(w, paths); });
    table.hooks.load_parameter_file = [paths](MainWindow& w, const std::string& path) {
        load_at_startup(w, paths, path);
    };
}

}  // namespace zoquel::shell
