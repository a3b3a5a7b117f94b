#pragma once
#include "model/canvas.h"
#include "model/complex_math.h"
#include "model/settings.h"

namespace zoquel {

struct LiveState;

// The Julia thumbnail covers the image's top-left 150 x 150 pixels.
constexpr int kThumbnailSize = 150;

// Draws, over the image's top-left corner, a small picture of the dynamic-plane set of the
// current type for the constant c: a white frame along the top, right and bottom, and rows
// and columns 1 to 147 of the type's start-up dynamic-plane view, coloured by escape with
// the level-set rule. The image takes it (so saving keeps it), then the screen shows it.
// False, drawing nothing, for a type without one.
bool draw_thumbnail(const Settings& s, Cx c, Canvas& canvas);

// The same over the live image and the window.
bool show_thumbnail(LiveState& state, Cx c);

}  // namespace zoquel
