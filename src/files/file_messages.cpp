#include "files/file_messages.h"

#include "files/targa.h"

namespace zoquel {

MessageText file_message(FileMessage id, const std::string& name) {
    using enum MessageIcon;
    switch (id) {
        case FileMessage::zq_open_error: return {"Error opening ZQ file", "ZQ file error", exclamation};
        case FileMessage::zq_loaded: return {"Parameter file  " + name + "  loaded.", "Zoquel", information};
        case FileMessage::image_saved: return {"Image saved as " + name, "Zoquel", information};
        case FileMessage::parameters_saved:
            return {"Parameters saved as " + name + "\n\nLoad via ' File ' menu or by double-clicking.", "Zoquel",
                    information};
        case FileMessage::map_open_error: return {"Error opening MAP file", "MAP file error", exclamation};
        case FileMessage::parameters_refused: return {"Error opening ZQ file\n\n" + name, "ZQ file error", exclamation};
        case FileMessage::deep_view_as_zq:
            return {name + " holds the nearest doubles of this deep view and at most 16384 iterations.\n\n"
                           "Save as a text parameter file (.zqt) or a PNG to keep the view exactly.",
                    "Zoquel", information};
    }
    return {};
}

MessageText save_error_message(int result) { return {saveerror(result), "Save file error", MessageIcon::exclamation}; }

}  // namespace zoquel
