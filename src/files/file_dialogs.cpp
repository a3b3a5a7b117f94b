#include "files/file_dialogs.h"

namespace zoquel {

namespace {

constexpr FileDialogLayout kLayouts[] = {
    {false, "Select a Fractint .MAP File", "Fractint .map files (*.map)", "*.map", "map", true, false},
    {true, "Select a file for saving your image:", "Targa files (*.tga)", "*.tga", "tga", false, true},
    {false, "Select an ZQ parameter file:", "ZQ files (*.zq)", "*.zq", "zq", true, false},
    {true, "Select a file for saving parameters:", "ZQ files (*.zq)", "*.zq", "zq", false, true},
};

}  // namespace

const FileDialogLayout& file_dialog_layout(FileDialogId id) { return kLayouts[int(id)]; }

std::string& FileDialogPaths::of(FileDialogId id) {
    switch (id) {
        case FileDialogId::map_open: return mapfile;
        case FileDialogId::tga_save: return tgafile;
        case FileDialogId::zq_open: return ozqfile;
        case FileDialogId::zq_save: break;
    }
    return szqfile;
}

const std::string& FileDialogPaths::of(FileDialogId id) const { return const_cast<FileDialogPaths*>(this)->of(id); }

FileDialogPaths InitOpenFile(const std::string& current_directory) {
    std::string dir = current_directory;
    if (dir.empty() || dir.back() != '/') dir += '/';
    FileDialogPaths paths;
    for (FileDialogId id : {FileDialogId::map_open, FileDialogId::tga_save, FileDialogId::zq_open, FileDialogId::zq_save})
        paths.of(id) = dir + file_dialog_layout(id).pattern;
    return paths;
}

std::string dialog_start_path(const std::string& remembered) {
    const std::size_t slash = remembered.rfind('/');
    const std::size_t name = slash == std::string::npos ? 0 : slash + 1;
    if (remembered.find('*', name) == std::string::npos) return remembered;
    return slash == std::string::npos ? std::string() : remembered.substr(0, slash == 0 ? 1 : slash);
}

}  // namespace zoquel
