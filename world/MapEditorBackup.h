#pragma once
#include <string>

// Before the editor saves a map over its file, the file on disk is kept as a
// backup beside it ("<map>.bak"), so a map maker can always go back one save.
// A backup only ever holds a map that reads: a file on disk that does not is
// neither kept over the backup nor written over.
class MapEditorBackup
{
public:
    // The backup's path for a map file.
    static std::string backupPath(const std::string& mapPath);
    // Copies the map file to its backup (through a temporary file renamed
    // into place, so an old backup is never half overwritten). True when
    // there is nothing to keep or the backup was written; otherwise false
    // with a message in error, and the map file and old backup untouched:
    // the save must not go on.
    static bool keep(const std::string& mapPath, std::string& error);
};
