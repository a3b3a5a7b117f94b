#include "files/file_dialogs.h"

#include <cctype>

namespace zoquel {

namespace {

constexpr const char* kPngImages = "PNG images, with their parameters (*.png)";
constexpr const char* kTextParameters = "Text parameter files (*.zqt)";

constexpr FileDialogLayout kLayouts[] = {
    {false, "Select a Fractint .MAP File", "Fractint .map files (*.map)", "*.map", "map", true, false, {}},
    {true, "Select a file for saving your image:", "Targa files (*.tga)", "*.tga", "tga", false, true,
     {kPngImages}},
    {false, "Select an ZQ parameter file:", "ZQ files (*.zq)", "*.zq", "zq", true, false,
     {kTextParameters, "PNG images made by Zoquel (*.png)"}},
    {true, "Select a file for saving parameters:", "ZQ files (*.zq)", "*.zq", "zq", false, true,
     {kTextParameters}},
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

std::string filter_suffix(const std::string& filter) {
    const std::size_t open = filter.rfind("(*.");
    const std::size_t close = filter.find_first_of(" )", open == std::string::npos ? 0 : open);
    if (open == std::string::npos || close == std::string::npos) return {};
    return filter.substr(open + 3, close - open - 3);
}

bool has_extension(const std::string& path, const std::string& ext) {
    if (path.size() <= ext.size() || path[path.size() - ext.size() - 1] != '.') return false;
    for (std::size_t i = 0; i < ext.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(path[path.size() - ext.size() + i])) != ext[i]) return false;
    return true;
}

std::string dialog_start_path(const std::string& remembered) {
    const std::size_t slash = remembered.rfind('/');
    const std::size_t name = slash == std::string::npos ? 0 : slash + 1;
    if (remembered.find('*', name) == std::string::npos) return remembered;
    return slash == std::string::npos ? std::string() : remembered.substr(0, slash == 0 ? 1 : slash);
}

}  // namespace zoquel
