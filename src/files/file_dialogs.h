#pragma once
#include <array>
#include <string>

namespace zoquel {

// The program's four file dialogs, as plain data any front end can show.
enum class FileDialogId { map_open, tga_save, zq_open, zq_save };

struct FileDialogLayout {
    bool save;                   // a save dialog, else an open dialog
    const char* title;
    const char* filter_text;     // shown in the type list
    const char* pattern;         // the files it lists
    const char* default_suffix;  // appended to a name typed without one
    bool must_exist;             // open: the file and its folder must exist
    bool overwrite_prompt;       // save: the folder must exist; ask before replacing a file
    // Formats offered beside the first, e.g. "PNG images (*.png)"; empty when none.
    std::array<const char*, 2> more_filters;
};

// The extension a filter such as "PNG images (*.png)" lists, "png"; empty when it names none.
std::string filter_suffix(const std::string& filter);

// Whether `path` ends in ".ext" (any case): the format chosen for a file being saved.
bool has_extension(const std::string& path, const std::string& ext);

const FileDialogLayout& file_dialog_layout(FileDialogId id);

// The path each dialog opens on: the start-up directory with the dialog's pattern at first,
// then the file chosen last.
struct FileDialogPaths {
    std::string mapfile, tgafile, ozqfile, szqfile;
    std::string& of(FileDialogId id);
    const std::string& of(FileDialogId id) const;
};

// The paths of the first use of each dialog: `current_directory` + "/" + pattern.
FileDialogPaths InitOpenFile(const std::string& current_directory);

// Where a dialog should start for a remembered path: the path itself, or its folder while
// the name is still a pattern.
std::string dialog_start_path(const std::string& remembered);

}  // namespace zoquel
