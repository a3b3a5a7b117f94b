#include "render/side_channels.h"

namespace zoquel::pixel {

thread_local int root = 0;
thread_local double nfx = 0;
thread_local double infsize = 0;

}  // namespace zoquel::pixel
