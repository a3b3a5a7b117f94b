#pragma once
#include <string>
#include <string_view>

#include "model/palettes.h"

namespace zoquel {

// Results of OpenMapFile: the palette was read, or the file could not be opened or a line
// did not begin with three integers ("Error opening MAP file").
enum MapResult { kMapOk = 0, kMapFailed = 1 };

// Reads a Fractint palette map into `paltemp`: the first three integers of each line are red,
// green and blue (low 8 bits kept, the rest of the line ignored); lines past the 256th are not
// read; entries the file does not reach are black. A line that does not begin with three
// integers fails the read, unless only blank lines follow it to the end of the file. On
// failure the entries before the bad line have been overwritten, as the caller discards
// `paltemp` then. The path is opened exactly as given.
int OpenMapFile(const std::string& path, Palette& paltemp);

// The same rules applied to the text of a map file.
int read_map_text(std::string_view text, Palette& paltemp);

}  // namespace zoquel
