#pragma once
#include <string>

// Reads a map file into the WorldMap: the grid (WorldMap::init), the cells,
// the placed objects and the markers. The records the reader mended or left
// out are reported on stderr, one line each. A file that MapFileFormat
// refuses is reported on stderr with its message and leaves an empty level of
// the default size instead. The WorldMap is expected to be cleared beforehand.
// Returns whether the file was read.
bool readMapFile(const std::string& path);

// Writes the WorldMap as a version-9 map file (through a temporary file, so a
// failed write never leaves half a map). The citizen count and the train
// location go into the header. Returns whether the file was written.
bool writeMapFile(const std::string& path, int citizenCount, int trainLocation);
