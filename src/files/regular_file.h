#pragma once
#include <cstdio>
#include <string>

namespace zoquel {

// Opens a file to read it whole, in binary mode. Anything but a regular file (a FIFO, a
// device, a folder) is refused at once instead of blocking or never ending: nullptr, with
// errno set to EINVAL for those, as for any other failure to open.
std::FILE* open_regular_file(const std::string& path);

// Why open_regular_file failed, for messages: "not a regular file" or the system's words.
std::string open_failure_reason(int error);

}  // namespace zoquel
