#include "render/side_channels.h"

namespace zoquel::pixel {

constinit thread_local int root = 0;
constinit thread_local double nfx = 0;
constinit thread_local double infsize = 0;

}  // namespace zoquel::pixel
