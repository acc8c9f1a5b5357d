#pragma once
#include "platform/SafeFileWriter.h"

#include <string>
#include <vector>

// The kept lines of a text data file, fetched through the engine's search
// paths. A missing or empty file gives no lines.
std::vector<std::string> readLines(const std::string& path);

// The line rules of readLines on text already in memory: leading blanks and
// tabs are skipped, a line whose first character is '#' is a comment, empty
// lines are dropped, and a carriage return is kept as an ordinary character.
std::vector<std::string> splitTextLines(const std::string& data);

// Game paths may be written with '\\' and doubled separators ("saves\\" +
// "/settings.cfg"); both readers and the writer take them as the platform's
// folders resolve them.

// Writes text over the file at a game path through SafeFileWriter: a failed
// write leaves the old file as it was, and the result says why it failed.
SafeFileWriter::Result writeFileAtomically(const std::string& path, const std::string& text);
