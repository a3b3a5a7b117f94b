#include "model/whole_image.h"

namespace zoquel {

const char* const kMemoryNotice =
    "Not enough memory to allocate hit count buffer.\nFree up more system memory, or\n   set a smaller image resolution.";
const char* const kMemoryCaption = "Memory allocation problem";

}  // namespace zoquel
