#pragma once
#include <string>

#include "platform/host.h"

namespace zoquel {

// The message boxes around the file commands.
enum class FileMessage {
    zq_open_error,      // loading a parameter file failed
    zq_loaded,          // + the file's bare name
    image_saved,        // + the image's bare name
    parameters_saved,   // + the parameter file's bare name
    map_open_error,     // reading a palette map failed
    parameters_refused, // a text or PNG parameter file refused; + "name: why"
    deep_view_as_zq,    // a deep view saved in the binary record; + its bare name
};

struct MessageText {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::information;
    MessageButtons buttons = MessageButtons::ok;
};

// The box for `id`; `name` fills the messages that name a file.
MessageText file_message(FileMessage id, const std::string& name = {});

// The box of a failed save (results 1..3 of writetga and writezq).
MessageText save_error_message(int result);

}  // namespace zoquel
