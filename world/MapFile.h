#pragma once
#include <string>

// Reads a map file into the WorldMap: the grid (WorldMap::init), the cells,
// the placed objects and the markers. The records the reader mended or left
// out are reported on stderr, one line each. A file that MapFileFormat
// refuses is reported on stderr with its message and leaves an empty level of
// the default size instead. The WorldMap is expected to be cleared beforehand.
// Returns whether the file was read.
bool readMapFile(const std::string& path);

// Writes the WorldMap as a version-9 map file, keeping the map that was there
// as its backup (MapEditorBackup::saveOver: a failed save leaves both files
// as they were). The citizen count and the train location go into the
// header. Returns whether the file was written; when not, the reason goes to
// stderr and, short enough for the screen, into error when given.
bool writeMapFile(const std::string& path, int citizenCount, int trainLocation, std::string* error = nullptr);
